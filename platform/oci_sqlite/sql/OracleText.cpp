// Character functions on UTF-8 text. Case mapping covers ASCII, Latin-1 and Latin Extended-A,
// the letters of the bank's languages; other characters are left as they are.
#include "platform/oci_sqlite/sql/OracleText.h"

#include <algorithm>
#include <cctype>

namespace orasql {

std::vector<char32_t> DecodeChars(std::string_view s) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < s.size(); --extra, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

std::string EncodeChars(const std::vector<char32_t>& chars) {
    std::string out;
    for (char32_t cp : chars) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

size_t CharLength(std::string_view text) {
    return DecodeChars(text).size();
}

int64_t InstrChars(std::string_view text, std::string_view sub, int64_t position, int64_t occurrence) {
    const std::vector<char32_t> t = DecodeChars(text), s = DecodeChars(sub);
    const int64_t n = static_cast<int64_t>(t.size()), m = static_cast<int64_t>(s.size());
    auto matchesAt = [&](int64_t i) {
        return i >= 0 && i + m <= n && std::equal(s.begin(), s.end(), t.begin() + i);
    };
    if (position > 0) {
        for (int64_t i = position - 1; i + m <= n; ++i)
            if (matchesAt(i) && --occurrence == 0)
                return i + 1;
    } else {
        for (int64_t i = n + position; i >= 0; --i)
            if (matchesAt(i) && --occurrence == 0)
                return i + 1;
    }
    return 0;
}

std::string SubstrChars(std::string_view text, int64_t position, std::optional<int64_t> length) {
    const std::vector<char32_t> t = DecodeChars(text);
    const int64_t n = static_cast<int64_t>(t.size());
    int64_t start = position > 0 ? position - 1 : position == 0 ? 0 : n + position;
    if (start < 0 || start >= n || (length && *length < 1))
        return "";
    const int64_t end = length ? std::min(n, start + *length) : n;
    return EncodeChars(std::vector<char32_t>(t.begin() + start, t.begin() + end));
}

std::string ChangeCase(std::string_view text, bool upper) {
    std::vector<char32_t> chars = DecodeChars(text);
    for (char32_t& c : chars) {
        if (c < 0x80) {
            c = static_cast<char32_t>(upper ? std::toupper(static_cast<int>(c))
                                            : std::tolower(static_cast<int>(c)));
        } else if (c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7) {
            if (upper && c >= 0xE0)
                c -= 0x20;
            else if (!upper && c < 0xDF)
                c += 0x20;
        } else if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
            // Latin Extended-A pairs capital/small on even/odd code points, shifted by one between
            // U+0139 and U+0148 and from U+0179 on.
            const bool shifted = (c >= 0x139 && c <= 0x148) || c >= 0x179;
            const bool isUpper = shifted ? (c % 2 == 1) : (c % 2 == 0);
            if (upper && !isUpper)
                c -= 1;
            else if (!upper && isUpper)
                c += 1;
        }
    }
    return EncodeChars(chars);
}

namespace {

bool Like(const std::vector<char32_t>& v, size_t vi, const std::vector<char32_t>& p, size_t pi,
          std::optional<char32_t> escape) {
    while (pi < p.size()) {
        const char32_t c = p[pi];
        if (escape && c == *escape && pi + 1 < p.size()) {
            if (vi >= v.size() || v[vi] != p[pi + 1])
                return false;
            ++vi;
            pi += 2;
        } else if (c == U'%') {
            while (pi < p.size() && p[pi] == U'%')
                ++pi;
            if (pi == p.size())
                return true;
            for (size_t k = vi; k <= v.size(); ++k)
                if (Like(v, k, p, pi, escape))
                    return true;
            return false;
        } else if (c == U'_') {
            if (vi >= v.size())
                return false;
            ++vi;
            ++pi;
        } else {
            if (vi >= v.size() || v[vi] != c)
                return false;
            ++vi;
            ++pi;
        }
    }
    return vi == v.size();
}

} // namespace

bool LikeMatch(std::string_view value, std::string_view pattern, std::optional<char32_t> escape) {
    return Like(DecodeChars(value), 0, DecodeChars(pattern), 0, escape);
}

std::string FormatNumber(const Decimal& value, std::string_view format) {
    std::string f;
    bool fill = true;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(format[i])));
        if (c == 'F' && i + 1 < format.size() &&
            std::toupper(static_cast<unsigned char>(format[i + 1])) == 'M') {
            fill = false;
            ++i;
        } else {
            f += c == 'D' ? '.' : c == 'G' ? ',' : c;
        }
    }
    const size_t point = f.find('.');
    const std::string intPart = f.substr(0, point);
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(f.size() - point - 1);
    const Decimal rounded = value.Round(decimals);
    std::string digits = (rounded.IsNegative() ? -rounded : rounded).ToOracleText();
    std::string whole = digits.substr(0, digits.find('.'));
    std::string fraction = digits.find('.') == std::string::npos ? "" : digits.substr(digits.find('.') + 1);
    fraction.resize(decimals, '0');
    const size_t slots = static_cast<size_t>(
        std::count_if(intPart.begin(), intPart.end(), [](char ch) { return ch == '9' || ch == '0'; }));
    if (whole.size() > slots || (whole.size() > 0 && whole != "0" && slots == 0))
        return std::string(f.size() + 1, '#');
    const size_t zeroAt = intPart.find('0');
    std::string out;
    size_t digitIndex = whole.size();
    for (size_t i = intPart.size(); i-- > 0;) {
        const char ch = intPart[i];
        const size_t slotFromRight = static_cast<size_t>(
            std::count_if(intPart.begin() + i, intPart.end(), [](char x) { return x == '9' || x == '0'; }));
        const bool forced = zeroAt != std::string::npos && i >= zeroAt;
        if (ch == '9' || ch == '0') {
            if (digitIndex > 0)
                out.insert(out.begin(), whole[--digitIndex]);
            else if (forced || (slotFromRight == 1 && decimals == 0))
                out.insert(out.begin(), '0');
            else if (fill)
                out.insert(out.begin(), ' ');
        } else if (ch == ',') {
            if (digitIndex > 0 || forced)
                out.insert(out.begin(), ',');
            else if (fill)
                out.insert(out.begin(), ' ');
        }
    }
    if (whole == "0" && zeroAt == std::string::npos && decimals > 0) {
        // Oracle leaves the zero before the point out unless a 0 element asks for it.
        const size_t z = out.find_last_of('0');
        if (z != std::string::npos && out.find_first_not_of(' ') == z)
            out[z] = ' ';
    }
    std::string sign = rounded.IsNegative() ? "-" : (fill ? " " : "");
    const size_t firstNonBlank = out.find_first_not_of(' ');
    if (firstNonBlank == std::string::npos)
        out = (fill ? out : "") + sign;
    else
        out.insert(firstNonBlank, sign);
    if (decimals > 0)
        out += "." + fraction;
    if (!fill) {
        const size_t start = out.find_first_not_of(' ');
        out = start == std::string::npos ? "" : out.substr(start);
    }
    return out;
}

} // namespace orasql
