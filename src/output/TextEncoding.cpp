#include "output/TextEncoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <system_error>

namespace zoruka {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::system_error(errno, std::generic_category(),
                                    std::string("iconv cannot convert to ") + to);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The converted text, or the offset of the first byte that cannot be converted.
    struct Result {
        std::string text;
        std::optional<std::size_t> failedAt;
    };

    Result convert(std::string_view text)
    {
        Result result;
        // A character takes at most three times its bytes in the other encoding (half-width kana).
        result.text.resize(text.size() * 3 + 4);
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* out = result.text.data();
        std::size_t outLeft = result.text.size();
        if (iconv(m_cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            result.failedAt = text.size() - inLeft;
        }
        result.text.resize(result.text.size() - outLeft);
        return result;
    }

private:
    iconv_t m_cd;
};

// The UTF-8 character starting at `at` (one byte when that is no lead byte).
std::string characterAt(std::string_view utf8, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::string(utf8.substr(at, length));
}

bool isValidUtf8(std::string_view bytes)
{
    return !Converter("UTF-8", "UTF-8").convert(bytes).failedAt.has_value();
}

} // namespace

std::string encodeText(std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        return std::string(kByteOrderMark) + std::string(utf8);
    }
    Converter::Result result = Converter("CP932", "UTF-8").convert(utf8);
    if (result.failedAt) {
        throw std::invalid_argument("text not representable in CP932 at byte " +
                                    std::to_string(*result.failedAt));
    }
    return std::move(result.text);
}

std::optional<std::string> firstNonShiftJis(std::string_view utf8)
{
    const Converter::Result result = Converter("CP932", "UTF-8").convert(utf8);
    if (!result.failedAt) {
        return std::nullopt;
    }
    return characterAt(utf8, *result.failedAt);
}

std::optional<DecodedText> decodeText(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        if (!isValidUtf8(bytes)) {
            return std::nullopt;
        }
        return DecodedText{std::string(bytes), TextEncoding::Utf8};
    }
    if (isValidUtf8(bytes)) {
        return DecodedText{std::string(bytes), TextEncoding::Utf8};
    }
    Converter::Result result = Converter("UTF-8", "CP932").convert(bytes);
    if (result.failedAt) {
        return std::nullopt;
    }
    return DecodedText{std::move(result.text), TextEncoding::ShiftJis};
}

} // namespace zoruka
