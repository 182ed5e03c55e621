#include "platform/Cp1250.h"

#include <cerrno>
#include <iconv.h>

namespace kex {
namespace {

bool isAscii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

// One converter per direction and thread; iconv descriptors carry shift state, so they are not shared.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("The system cannot convert ") + from + " to " + to + ".");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string convert(std::string_view in, const char* what)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 2 + 4, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
                if (errno == E2BIG) {
                    size_t used = dst - out.data();
                    out.resize(out.size() * 2);
                    dst = out.data() + used;
                    dstLeft = out.size() - used;
                    continue;
                }
                size_t at = in.size() - srcLeft;
                throw EncodingError(std::string(what) + " at byte " + std::to_string(at) + " of the text \""
                                    + std::string(in.substr(0, 60)) + "\".");
            }
        }
        out.resize(dst - out.data());
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string Utf8ToCp1250(std::string_view utf8)
{
    if (isAscii(utf8)) return std::string(utf8);
    thread_local Converter conv("CP1250", "UTF-8");
    return conv.convert(utf8, "A character that the code page cp1250 cannot hold");
}

std::string Cp1250ToUtf8(std::string_view cp1250)
{
    if (isAscii(cp1250)) return std::string(cp1250);
    thread_local Converter conv("UTF-8", "CP1250");
    return conv.convert(cp1250, "A byte that is not a cp1250 character");
}

} // namespace kex
