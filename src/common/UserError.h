#pragma once

#include <stdexcept>
#include <string>

namespace zoruka {

// A failure the user has to be told about: what() is the complete message in Japanese, ready for
// a message box, and the operation that threw changed nothing. Mistakes of the calling code are
// never UserErrors.
class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace zoruka
