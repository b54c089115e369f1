#include "common/TypedNumber.h"

#include "common/AmountText.h"

#include <array>
#include <utility>

namespace zoruka {

namespace {

// Full-width forms (U+FF0C, U+FF0D, U+FF0E, U+FF10..U+FF19) and the ideographic space (U+3000).
constexpr std::array<std::pair<std::string_view, char>, 13> kWideForms{{
    {"，", ','},
    {"－", '-'},
    {"．", '.'},
    {"０", '0'},
    {"１", '1'},
    {"２", '2'},
    {"３", '3'},
    {"４", '4'},
    {"５", '5'},
    {"６", '6'},
    {"７", '7'},
    {"８", '8'},
    {"９", '9'},
}};
constexpr std::string_view kWideSpace = "　";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number in any form a user would call a number: "-12", "1,500", "0.5", "3.".
// Separates a number that is merely unacceptable from text that is not a number at all.
bool looksNumeric(std::string_view text)
{
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    bool digits = false;
    for (const char c : whole) {
        if (!isDigit(c) && c != ',') {
            return false;
        }
        digits = digits || isDigit(c);
    }
    for (const char c : fraction) {
        if (!isDigit(c)) {
            return false;
        }
        digits = true;
    }
    return digits;
}

} // namespace

std::string_view trimmedBlanks(std::string_view text)
{
    for (;;) {
        if (text.starts_with(' ') || text.starts_with('\t')) {
            text.remove_prefix(1);
        } else if (text.ends_with(' ') || text.ends_with('\t')) {
            text.remove_suffix(1);
        } else if (text.starts_with(kWideSpace)) {
            text.remove_prefix(kWideSpace.size());
        } else if (text.ends_with(kWideSpace)) {
            text.remove_suffix(kWideSpace.size());
        } else {
            return text;
        }
    }
}

std::string normalisedInput(std::string_view text)
{
    text = trimmedBlanks(text);
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        bool replaced = false;
        for (const auto& [wide, ascii] : kWideForms) {
            if (text.starts_with(wide)) {
                result += ascii;
                text.remove_prefix(wide.size());
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            result += text.front();
            text.remove_prefix(1);
        }
    }
    return result;
}

bool isBlank(std::string_view text) { return trimmedBlanks(text).empty(); }

bool isDigits(std::string_view text)
{
    const std::string normal = normalisedInput(text);
    if (normal.empty()) {
        return false;
    }
    for (const char c : normal) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

TypedNumber readWholeNumber(std::string_view text, long long minimum, long long maximum)
{
    const std::string normal = normalisedInput(text);
    if (normal.empty()) {
        return {};
    }
    if (const std::optional<long long> value = parseAmountText(normal)) {
        if (*value < minimum || *value > maximum) {
            return {NumberStatus::OutOfRange};
        }
        return {NumberStatus::Ok, *value};
    }
    return {looksNumeric(normal) ? NumberStatus::OutOfRange : NumberStatus::NotANumber};
}

} // namespace zoruka
