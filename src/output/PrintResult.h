#pragma once

#include "output/PrintDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

// What a print layout returns: the documents to print and the status the screen reads.
struct PrintResult {
    static constexpr int kPrinted = 0;
    static constexpr int kPrintedWithoutRests = 1; // doubles blocks too tall for their rests
    static constexpr int kRefused = 9;             // nothing to print; `message` says why

    int code = kPrinted;
    std::vector<PrintDocument> documents; // one per printed sheet; empty when refused
    std::string title;                    // message-box title of `message`
    std::string message;                  // shown to the user when not empty

    bool refused() const { return code == kRefused; }

    // Nothing printed; `message` is shown under `title`.
    static PrintResult refusal(std::string_view title, std::string_view message)
    {
        return {kRefused, {}, std::string(title), std::string(message)};
    }
};

} // namespace zoruka
