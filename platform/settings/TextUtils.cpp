// Text helpers; see TextUtils.h.
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

} // namespace

std::string UpperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(std::string_view text, std::string_view blanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string TrimRight(std::string_view text, std::string_view blanks) {
    const size_t end = text.find_last_not_of(blanks);
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string TrimBlanksAndControls(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), StartsCharacter));
}

std::string FirstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if (StartsCharacter(utf8[i]) && seen++ == count)
            return std::string(utf8.substr(0, i));
    return std::string(utf8);
}

std::string FirstBytes(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes)
        return std::string(utf8);
    std::size_t end = maxBytes;
    while (end > 0 && !StartsCharacter(utf8[end]))
        --end;
    return std::string(utf8.substr(0, end));
}
