// Character functions on UTF-8 text. Case mapping covers ASCII, Latin-1 and Latin Extended-A,
// the letters of the bank's languages; other characters are left as they are.
#include "platform/oci_sqlite/sql/OracleText.h"

#include "platform/oci_sqlite/sql/Translator.h"

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

namespace {

char32_t CaseOf(char32_t c, bool upper) {
    if (c < 0x80)
        return static_cast<char32_t>(upper ? std::toupper(static_cast<int>(c))
                                           : std::tolower(static_cast<int>(c)));
    if (c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7) {
        if (upper && c >= 0xE0)
            return c - 0x20;
        if (!upper && c < 0xDF)
            return c + 0x20;
    } else if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
        // Latin Extended-A pairs capital/small on even/odd code points, shifted by one between
        // U+0139 and U+0148 and from U+0179 on.
        const bool shifted = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        const bool isUpper = shifted ? (c % 2 == 1) : (c % 2 == 0);
        if (upper && !isUpper)
            return c - 1;
        if (!upper && isUpper)
            return c + 1;
    }
    return c;
}

// Letters and digits continue a word for INITCAP; every other character ends one.
bool IsWordChar(char32_t c) {
    return c < 0x80 ? std::isalnum(static_cast<int>(c)) != 0 : c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

} // namespace

std::string ChangeCase(std::string_view text, bool upper) {
    std::vector<char32_t> chars = DecodeChars(text);
    for (char32_t& c : chars)
        c = CaseOf(c, upper);
    return EncodeChars(chars);
}

std::string InitCap(std::string_view text) {
    std::vector<char32_t> chars = DecodeChars(text);
    bool wordStart = true;
    for (char32_t& c : chars) {
        c = CaseOf(c, wordStart);
        wordStart = !IsWordChar(c);
    }
    return EncodeChars(chars);
}

std::string PadChars(std::string_view text, int64_t length, std::string_view pad, bool left) {
    const std::vector<char32_t> t = DecodeChars(text), p = DecodeChars(pad);
    if (length <= static_cast<int64_t>(t.size()))
        return EncodeChars(std::vector<char32_t>(t.begin(), t.begin() + std::max<int64_t>(length, 0)));
    std::vector<char32_t> fill;
    while (static_cast<int64_t>(fill.size() + t.size()) < length)
        fill.push_back(p[fill.size() % p.size()]);
    std::vector<char32_t> out = left ? fill : t;
    out.insert(out.end(), left ? t.begin() : fill.begin(), left ? t.end() : fill.end());
    return EncodeChars(out);
}

std::string TranslateChars(std::string_view text, std::string_view from, std::string_view to) {
    const std::vector<char32_t> f = DecodeChars(from), r = DecodeChars(to);
    std::vector<char32_t> out;
    for (char32_t c : DecodeChars(text)) {
        const auto at = std::find(f.begin(), f.end(), c);
        if (at == f.end())
            out.push_back(c);
        else if (static_cast<size_t>(at - f.begin()) < r.size())
            out.push_back(r[at - f.begin()]);
    }
    return EncodeChars(out);
}

std::string TrimChar(std::string_view text, char32_t c, bool leading, bool trailing) {
    const std::vector<char32_t> t = DecodeChars(text);
    size_t begin = 0, end = t.size();
    while (leading && begin < end && t[begin] == c)
        ++begin;
    while (trailing && end > begin && t[end - 1] == c)
        --end;
    return EncodeChars(std::vector<char32_t>(t.begin() + begin, t.begin() + end));
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

} // namespace orasql
