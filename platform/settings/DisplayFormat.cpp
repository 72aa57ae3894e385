// Formats a number by a display-format section. Literal text before the first digit placeholder is
// written before the number and all other literal text after it; the number is rounded on the double's
// exact value to the placeholders after the decimal point.
#include "platform/settings/DisplayFormat.h"

#include "platform/settings/FloatText.h"
#include "platform/settings/Locale.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct TSectionLayout {
    std::string Prefix, Suffix;
    bool Grouping = false;
    int MinIntegerDigits = 0; // placeholders from the first '0' before the point
    int Decimals = 0;         // placeholders after the point
    int MinDecimals = 0;      // up to the last '0' after the point
    bool HasPlaceholder = false;
};

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::vector<std::string> SplitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote ? c == quote : IsQuote(c))
            quote = quote ? 0 : c;
        if (c == ';' && !quote)
            sections.emplace_back();
        else
            sections.back() += c;
    }
    return sections;
}

TSectionLayout Analyse(const std::string& section) {
    TSectionLayout layout;
    bool afterPoint = false, seenZero = false;
    char quote = 0;
    for (char c : section) {
        std::string& literal = layout.HasPlaceholder ? layout.Suffix : layout.Prefix;
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                literal += c;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (c == '0' || c == '#') {
            layout.HasPlaceholder = true;
            if (afterPoint) {
                ++layout.Decimals;
                if (c == '0')
                    layout.MinDecimals = layout.Decimals;
            } else if (c == '0' || seenZero) {
                seenZero = true;
                ++layout.MinIntegerDigits;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            layout.Grouping = true;
        } else {
            literal += c;
        }
    }
    return layout;
}

std::string Group(const std::string& digits, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

// The magnitude by the layout, without sign; sets allZero when no digit shown is significant.
std::string FormatMagnitude(const TSectionLayout& layout, double magnitude, bool& allZero) {
    std::string text(std::snprintf(nullptr, 0, "%.*f", layout.Decimals, magnitude), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", layout.Decimals, magnitude);
    const size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    allZero = text.find_first_of("123456789") == std::string::npos;

    while (static_cast<int>(fraction.size()) > layout.MinDecimals && fraction.back() == '0')
        fraction.pop_back();
    const size_t firstSignificant = integer.find_first_not_of('0');
    integer = firstSignificant == std::string::npos ? "" : integer.substr(firstSignificant);
    if (static_cast<int>(integer.size()) < layout.MinIntegerDigits)
        integer.insert(0, layout.MinIntegerDigits - integer.size(), '0');

    const TLocale& locale = Locale();
    std::string out = layout.Grouping ? Group(integer, locale.ThousandSeparator) : integer;
    if (!fraction.empty())
        out += locale.DecimalSeparator + fraction;
    return out;
}

} // namespace

std::string FormatFloat(const std::string& format, double value) {
    if (format.empty() || !std::isfinite(value))
        return FloatToStr(value);
    const std::vector<std::string> sections = SplitSections(format);
    const bool ownNegative = value < 0 && sections.size() >= 2 && !sections[1].empty();
    const bool ownZero = value == 0 && sections.size() >= 3 && !sections[2].empty();
    const std::string& section = ownZero ? sections[2] : ownNegative ? sections[1] : sections[0];

    const TSectionLayout layout = Analyse(section);
    if (!layout.HasPlaceholder)
        return layout.Prefix;
    bool allZero = true;
    const std::string number = FormatMagnitude(layout, std::fabs(value), allZero);
    const bool minus = value < 0 && !ownNegative && !allZero;
    return (minus ? "-" : "") + layout.Prefix + number + layout.Suffix;
}
