// The general float-to-text conversion: 15 significant digits, trailing zeros dropped, fixed notation
// unless the exponent is below -4 or reaches 15. Exponents are written without '+' or leading zeros.
#include "platform/settings/FloatText.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// "1.5e-07" -> "1.5E-7", "1e+20" -> "1E20"
std::string CompactExponent(const std::string& text) {
    const size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    const int exponent = std::atoi(text.c_str() + e + 1);
    return text.substr(0, e) + "E" + std::to_string(exponent);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from == to)
        return text;
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

} // namespace

std::string FloatToStr(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value == 0 ? 0.0 : value); // no "-0"
    return ReplaceAll(CompactExponent(buffer), ".", Locale().DecimalSeparator);
}

double StrToFloat(const std::string& text) {
    const std::string& separator = Locale().DecimalSeparator;
    // strtod reads the C locale's '.', so the locale's separator is swapped for it; a '.' already in
    // the text is not a decimal separator here and must not be read as one.
    const bool foreignPoint = separator != "." && text.find('.') != std::string::npos;
    const std::string cText = ReplaceAll(text, separator, ".");
    const char* begin = cText.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    while (end && *end == ' ')
        ++end;
    const bool hexOrWord = cText.find_first_of("xXnNiI") != std::string::npos;
    if (foreignPoint || hexOrWord || *begin == '\0' || end == begin || *end != '\0' || errno == ERANGE)
        throw Exception("'" + text + "' is not a valid floating point value");
    return value;
}

std::string CommaToPoint(const std::string& text) {
    return ReplaceAll(text, ",", ".");
}
