// Text helpers; see TextUtils.h.
#include "platform/settings/TextUtils.h"

#include <cctype>

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
