#include "output/TextEncoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <system_error>

namespace zoruka {

namespace {

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

    std::string convert(std::string_view text)
    {
        std::string out;
        // CP932 never takes more bytes than UTF-8 for the same character.
        out.resize(text.size());
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(m_cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            throw std::invalid_argument("text not representable in CP932 at byte " +
                                        std::to_string(text.size() - inLeft));
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string encodeText(std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        return "\xEF\xBB\xBF" + std::string(utf8);
    }
    return Converter("CP932", "UTF-8").convert(utf8);
}

} // namespace zoruka
