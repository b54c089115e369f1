#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// The outcome of a screen's check routine over its input fields: which fields failed, indexed in
// screen order, and the message of the first failure (empty while every field passes).
struct CheckReport {
    explicit CheckReport(std::size_t fieldCount) : failed(fieldCount, false) {}

    // Marks `field` failed; only the first failure of a run records its message.
    void fail(std::size_t field, std::string_view why)
    {
        failed[field] = true;
        if (message.empty()) {
            message = why;
        }
    }

    bool ok() const { return message.empty(); }

    std::vector<bool> failed;
    std::string message;
};

} // namespace zoruka
