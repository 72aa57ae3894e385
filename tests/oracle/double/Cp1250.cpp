// The conversion tables are built once from the C library's own Windows-1250 converter.
#include "Cp1250.h"

#include <array>
#include <iconv.h>
#include <map>

namespace clientdouble {
namespace {

struct TTables {
    std::array<std::string, 256> ToUtf8; // each byte's UTF-8 text, "?" where the set has none
    std::map<std::string, char> FromUtf8;

    TTables() {
        iconv_t converter = iconv_open("UTF-8", "CP1250");
        for (int byte = 0; byte < 256; ++byte) {
            char in = static_cast<char>(byte);
            char out[8] = {};
            char* inPointer = &in;
            char* outPointer = out;
            size_t inLeft = 1, outLeft = sizeof out;
            const bool converted =
                converter != reinterpret_cast<iconv_t>(-1) &&
                iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<size_t>(-1);
            ToUtf8[static_cast<size_t>(byte)] = converted ? std::string(out, outPointer) : std::string("?");
            if (converted)
                FromUtf8.emplace(ToUtf8[static_cast<size_t>(byte)], in);
        }
        if (converter != reinterpret_cast<iconv_t>(-1))
            iconv_close(converter);
    }
};

const TTables& Tables() {
    static const TTables tables;
    return tables;
}

size_t CharacterLength(unsigned char lead) {
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

} // namespace

std::string Utf8ToCp1250(const std::string& text) {
    std::string result;
    for (size_t at = 0; at < text.size();) {
        const size_t length = CharacterLength(static_cast<unsigned char>(text[at]));
        const auto found = Tables().FromUtf8.find(text.substr(at, length));
        result += found == Tables().FromUtf8.end() ? '?' : found->second;
        at += length;
    }
    return result;
}

std::string Cp1250ToUtf8(const std::string& text) {
    std::string result;
    for (unsigned char byte : text)
        result += Tables().ToUtf8[byte];
    return result;
}

bool IsUtf8(const std::string& text) {
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const size_t length = lead < 0x80             ? 1
                              : (lead & 0xE0) == 0xC0 ? 2
                              : (lead & 0xF0) == 0xE0 ? 3
                              : (lead & 0xF8) == 0xF0 ? 4
                                                      : 0;
        if (length == 0 || at + length > text.size())
            return false;
        for (size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
                return false;
        }
        at += length;
    }
    return true;
}

std::string WholeCharacters(const std::string& text, size_t bytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + CharacterLength(static_cast<unsigned char>(text[end]));
        if (next > bytes)
            break;
        end = next;
    }
    return text.substr(0, end);
}

} // namespace clientdouble
