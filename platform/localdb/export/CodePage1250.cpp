// Code page conversion through iconv; //TRANSLIT is avoided so unknown characters stay visible.
#include "platform/localdb/export/CodePage1250.h"

#include "platform/settings/Exceptions.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace {

std::string Convert(const std::string& text, const char* to, const char* from) {
    const bool fromUtf8 = std::string(from) == "UTF-8";
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw Exception(std::string("No conversion from ") + from + " to " + to);
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, &iconv_close);
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* target = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &target, &outLeft);
        out.append(buffer, static_cast<size_t>(target - buffer));
        if (rc != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // An unconvertible or broken sequence: one "?" for the character, then go on after it.
        out += '?';
        ++in;
        --inLeft;
        while (fromUtf8 && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
            ++in;
            --inLeft;
        }
    }
    return out;
}

} // namespace

std::string Utf8ToCp1250(const std::string& utf8) {
    return Convert(utf8, "CP1250", "UTF-8");
}

std::string Cp1250ToUtf8(const std::string& cp1250) {
    return Convert(cp1250, "UTF-8", "CP1250");
}
