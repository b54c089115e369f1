#include "common/KanaOrder.h"

#include "common/Utf8.h"

#include <array>
#include <string_view>

namespace zoruka {

namespace {

// Half-width katakana U+FF66..U+FF9D as full-width katakana.
constexpr std::array<char32_t, 0xFF9D - 0xFF66 + 1> kHalfWidthKana = {
    U'ヲ', U'ァ', U'ィ', U'ゥ', U'ェ', U'ォ', U'ャ', U'ュ', U'ョ', U'ッ', U'ー', U'ア',
    U'イ', U'ウ', U'エ', U'オ', U'カ', U'キ', U'ク', U'ケ', U'コ', U'サ', U'シ', U'ス',
    U'セ', U'ソ', U'タ', U'チ', U'ツ', U'テ', U'ト', U'ナ', U'ニ', U'ヌ', U'ネ', U'ノ',
    U'ハ', U'ヒ', U'フ', U'ヘ', U'ホ', U'マ', U'ミ', U'ム', U'メ', U'モ', U'ヤ', U'ユ',
    U'ヨ', U'ラ', U'リ', U'ル', U'レ', U'ロ', U'ワ', U'ン'};

constexpr char32_t kHalfWidthVoiced = 0xFF9E;     // ﾞ
constexpr char32_t kHalfWidthSemiVoiced = 0xFF9F; // ﾟ

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string decoded;
    for (std::size_t at = 0; at < text.size();) {
        decoded += nextCodePoint(text, at);
    }
    return decoded;
}

bool isHaRow(char32_t kana)
{
    return std::u32string_view(U"ハヒフヘホ").find(kana) != std::u32string_view::npos;
}

// The kana whose voiced form follows them directly (カ, ガ), and ウ (ヴ).
bool takesVoicedMark(char32_t kana)
{
    return std::u32string_view(U"カキクケコサシスセソタチツテトウ").find(kana) !=
               std::u32string_view::npos ||
           isHaRow(kana);
}

// Code points as UTF-8, which keeps their order under a byte-wise comparison.
std::string encodeUtf8(std::u32string_view text)
{
    std::string encoded;
    for (const char32_t c : text) {
        if (c < 0x80) {
            encoded += static_cast<char>(c);
        } else if (c < 0x800) {
            encoded += static_cast<char>(0xC0 | (c >> 6));
            encoded += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            encoded += static_cast<char>(0xE0 | (c >> 12));
            encoded += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            encoded += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            encoded += static_cast<char>(0xF0 | (c >> 18));
            encoded += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            encoded += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            encoded += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return encoded;
}

} // namespace

std::string kanaSortKey(std::string_view reading)
{
    std::u32string key;
    for (const char32_t c : decodeUtf8(reading)) {
        if (c >= 0x3041 && c <= 0x3096) {
            key += c + 0x60; // hiragana to katakana
        } else if (c >= 0xFF66 && c <= 0xFF9D) {
            key += kHalfWidthKana[c - 0xFF66];
        } else if (c == kHalfWidthVoiced && !key.empty() && takesVoicedMark(key.back())) {
            key.back() = key.back() == U'ウ' ? U'ヴ' : key.back() + 1;
        } else if (c == kHalfWidthSemiVoiced && !key.empty() && isHaRow(key.back())) {
            key.back() += 2;
        } else {
            key += c;
        }
    }
    return encodeUtf8(key);
}

} // namespace zoruka
