// Number format models read once into their parts, then used to lay a number out or to read one.
#include "platform/oci_sqlite/sql/NumberFormat.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <algorithm>
#include <cctype>

namespace orasql {

namespace {

std::string Upper(std::string_view text) {
    std::string out;
    for (char c : text)
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

[[noreturn]] void BadNumberFormat() {
    ThrowOracleError(1481, "invalid number format model");
}

// A number format model read into its parts: digit positions ('9', '0') and group separators before
// the decimal point, digit positions after it, and where the sign goes.
struct NumberModel {
    bool fill = true; // no FM
    bool point = false;
    std::string whole;      // '9', '0', ','
    std::string decimals;   // '9', '0'
    bool localized = false; // D and G rather than '.' and ','
    enum class Sign { Plain, Leading, Trailing, Minus } sign = Sign::Plain;
};

NumberModel ReadNumberModel(std::string_view format) {
    NumberModel m;
    const std::string f = Upper(format);
    size_t i = 0;
    if (f.compare(0, 2, "FM") == 0) {
        m.fill = false;
        i = 2;
    }
    if (i < f.size() && f[i] == 'S') {
        m.sign = NumberModel::Sign::Leading;
        ++i;
    }
    char groupKind = 0; // ',' and '.' or G and D, never mixed
    for (; i < f.size(); ++i) {
        const char c = f[i];
        const bool last = i + 1 == f.size();
        if (c == '9' || c == '0') {
            (m.point ? m.decimals : m.whole) += c;
        } else if (c == ',' || c == 'G') {
            if (m.point || m.whole.empty() || (groupKind && groupKind != (c == ',' ? 'S' : 'N')))
                BadNumberFormat();
            groupKind = c == ',' ? 'S' : 'N';
            m.whole += ',';
        } else if (c == '.' || c == 'D') {
            if (m.point || (groupKind && groupKind != (c == '.' ? 'S' : 'N')))
                BadNumberFormat();
            groupKind = c == '.' ? 'S' : 'N';
            m.point = true;
        } else if (c == 'S' && last && m.sign == NumberModel::Sign::Plain) {
            m.sign = NumberModel::Sign::Trailing;
        } else if (c == 'M' && i + 2 == f.size() && f[i + 1] == 'I' && m.sign == NumberModel::Sign::Plain) {
            m.sign = NumberModel::Sign::Minus;
            ++i;
        } else {
            BadNumberFormat();
        }
    }
    if (m.whole.empty() && m.decimals.empty())
        BadNumberFormat();
    m.localized = groupKind == 'N';
    return m;
}

} // namespace

// Oracle's layout: the integer digits right-aligned in their positions (a '0' shows zeros from there
// on), the sign just before the first digit, and one position more than the model for the sign.
std::string FormatNumber(const Decimal& value, std::string_view format, const NlsParameters& nls) {
    const NumberModel m = ReadNumberModel(format);
    const int places = static_cast<int>(m.decimals.size());
    const Decimal rounded = value.Round(places);
    const bool negative = rounded.IsNegative();
    const std::string text = (negative ? -rounded : rounded).ToOracleText();
    const size_t dot = text.find('.');
    std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    if (whole == "0")
        whole.clear();
    fraction.resize(places, '0');
    const size_t slots =
        static_cast<size_t>(std::count_if(m.whole.begin(), m.whole.end(), [](char c) { return c != ','; }));
    if (whole.size() > slots)
        return std::string(m.whole.size() + m.decimals.size() + (m.point ? 1 : 0) + 1, '#');
    const size_t firstZero = m.whole.find('0');
    std::string out;
    size_t digit = whole.size();
    for (size_t i = m.whole.size(); i-- > 0;) {
        const bool forced = firstZero != std::string::npos && i >= firstZero;
        if (m.whole[i] != ',')
            out.insert(out.begin(), digit > 0 ? whole[--digit] : forced ? '0' : ' ');
        else
            out.insert(out.begin(), digit > 0 || forced ? (m.localized ? nls.group : ',') : ' ');
    }
    if (whole.empty() && places == 0 && !out.empty() && out.back() == ' ')
        out.back() = '0'; // zero shows one digit when nothing else would
    std::string decimals = fraction;
    if (!m.fill) // FM drops the zeros of trailing '9' positions
        for (size_t i = places; i-- > 0 && m.decimals[i] == '9' && decimals.back() == '0';)
            decimals.pop_back();
    if (m.point)
        out += (m.localized ? nls.decimal : '.') + decimals;
    const size_t first = std::min(out.find_first_not_of(' '), out.size());
    switch (m.sign) {
    case NumberModel::Sign::Plain:
        out.insert(first, negative ? "-" : " ");
        break;
    case NumberModel::Sign::Leading:
        out.insert(first, negative ? "-" : "+");
        break;
    case NumberModel::Sign::Trailing:
        out += negative ? "-" : "+";
        break;
    case NumberModel::Sign::Minus:
        out += negative ? "-" : " ";
        break;
    }
    if (!m.fill) {
        const size_t begin = out.find_first_not_of(' ');
        const size_t end = out.find_last_not_of(' ');
        out = begin == std::string::npos ? "" : out.substr(begin, end - begin + 1);
    }
    return out;
}

namespace {

[[noreturn]] void InvalidNumber() {
    ThrowOracleError(1722, "invalid number");
}

[[noreturn]] void BadNlsParameters() {
    ThrowOracleError(12702, "invalid NLS parameter string used in SQL function");
}

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A parameter's value: quoted (the quotes doubled inside the SQL literal) or one word.
std::string ReadNlsValue(std::string_view text, size_t& i) {
    if (i < text.size() && text[i] == '\'') {
        const size_t end = text.find('\'', i + 1);
        if (end == std::string_view::npos)
            BadNlsParameters();
        const std::string value(text.substr(i + 1, end - i - 1));
        i = end + 1;
        return value;
    }
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i]))
        ++i;
    return std::string(text.substr(start, i - start));
}

// Oracle's rule for the two characters: different single bytes, neither a digit nor a sign.
bool UsableNumericCharacters(const std::string& chars) {
    const auto usable = [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && !std::isdigit(static_cast<unsigned char>(c)) &&
               std::string_view("+-<>").find(c) == std::string_view::npos;
    };
    return chars.size() == 2 && chars[0] != chars[1] && usable(chars[0]) && usable(chars[1]);
}

} // namespace

NlsParameters ReadNlsParameters(std::string_view text) {
    NlsParameters nls;
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    for (skipBlanks(); i < text.size(); skipBlanks()) {
        const size_t start = i;
        while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_'))
            ++i;
        const std::string name = Upper(text.substr(start, i - start));
        skipBlanks();
        if (name.empty() || i == text.size() || text[i] != '=')
            BadNlsParameters();
        ++i;
        skipBlanks();
        const std::string value = ReadNlsValue(text, i);
        if (name == "NLS_NUMERIC_CHARACTERS") {
            if (!UsableNumericCharacters(value))
                BadNlsParameters();
            nls.decimal = value[0];
            nls.group = value[1];
        } else if (name == "NLS_DATE_LANGUAGE") {
            if (Upper(value) != "AMERICAN" && Upper(value) != "ENGLISH")
                BadNlsParameters();
        } else if (name != "NLS_CURRENCY" && name != "NLS_ISO_CURRENCY") {
            BadNlsParameters();
        }
    }
    return nls;
}

namespace {

// Takes the sign from where the model puts it; true when it is a minus.
bool TakeSign(std::string_view& text, NumberModel::Sign sign) {
    using Sign = NumberModel::Sign;
    const bool trailing = sign == Sign::Trailing || sign == Sign::Minus;
    const char c = text.empty() ? '\0' : trailing ? text.back() : text.front();
    if (c != '-' && (c != '+' || sign == Sign::Minus)) {
        if (sign == Sign::Leading || sign == Sign::Trailing)
            InvalidNumber();
        return false;
    }
    trailing ? text.remove_suffix(1) : text.remove_prefix(1);
    return c == '-';
}

// The digits before the point, matched right to left against the model's places.
std::string WholeDigits(std::string_view whole, const std::string& places, char group) {
    std::string digits;
    size_t place = places.size();
    for (size_t i = whole.size(); i-- > 0;) {
        if (place == 0)
            InvalidNumber();
        const bool separator = places[--place] == ',';
        if (separator ? whole[i] != group : !std::isdigit(static_cast<unsigned char>(whole[i])))
            InvalidNumber();
        if (!separator)
            digits.insert(digits.begin(), whole[i]);
    }
    return digits;
}

} // namespace

Decimal ParseNumber(std::string_view text, std::string_view format, const NlsParameters& nls) {
    const NumberModel m = ReadNumberModel(format);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    const bool negative = TakeSign(text, m.sign);
    const size_t point = text.find(m.localized ? nls.decimal : '.');
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if ((point != std::string_view::npos && !m.point) || fraction.size() > m.decimals.size() ||
        !std::all_of(fraction.begin(), fraction.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        InvalidNumber();
    const std::string digits = WholeDigits(text.substr(0, point), m.whole, m.localized ? nls.group : ',');
    if (digits.empty() && fraction.empty())
        InvalidNumber();
    const std::optional<Decimal> value =
        Decimal::Parse((digits.empty() ? "0" : digits) + "." + std::string(fraction) + "0");
    if (!value)
        InvalidNumber();
    return negative ? -*value : *value;
}

} // namespace orasql
