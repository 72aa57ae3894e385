// Characters are counted as UTF-8 code points: a name with a "č" cut at its eighth character must
// not end in half a character, which the database would refuse or store as garbage.
#include "app/ValuationText.h"

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string Trimmed(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size(); ++end) {
        if (!IsContinuationByte(text[end]) && taken++ == count)
            break;
    }
    return std::string(text.substr(0, end));
}
