#pragma once

#include <string>
#include <string_view>

namespace zoruka {

// Text typed into a field, as the registers judge it: surrounding blanks (half- or full-width)
// dropped, and the full-width digits, comma, period and minus an IME produces turned into their
// ASCII forms ("１２，０００" → "12,000").
std::string normalisedInput(std::string_view text);

// The text without its surrounding blanks: spaces, tabs and ideographic spaces (U+3000).
std::string_view trimmedBlanks(std::string_view text);

// Whether the text holds nothing but blanks.
bool isBlank(std::string_view text);

// One or more digits and nothing else, once normalised ("0123", "１２３").
bool isDigits(std::string_view text);

enum class NumberStatus {
    Empty,      // blank
    NotANumber, // letters, symbols, a misplaced sign
    OutOfRange, // a number, but negative where not allowed, a fraction, or beyond the range
    Ok,
};

struct TypedNumber {
    NumberStatus status = NumberStatus::Empty;
    long long value = 0; // set when status is Ok
};

// A whole number from `minimum` to `maximum`, typed plainly or with grouping commas ("12,345").
TypedNumber readWholeNumber(std::string_view text, long long minimum, long long maximum);

} // namespace zoruka
