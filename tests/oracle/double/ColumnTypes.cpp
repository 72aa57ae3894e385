// A national column is stored as a text column wide enough for its characters in UTF-8; a length in
// characters becomes the same length in bytes, which in a single-byte database holds as many.
#include "ColumnTypes.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>

namespace clientdouble {
namespace {

std::map<std::string, TColumnKind>& Columns() {
    static std::map<std::string, TColumnKind> columns;
    return columns;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

} // namespace

std::string RewriteColumnTypes(const std::string& text) {
    static const std::regex createTable(R"(^\s*create\s+table\b)", std::regex::icase);
    if (!std::regex_search(text, createTable))
        return text;
    static const std::regex column(
        R"(\b(\w+)\s+(NVARCHAR2|NCHAR|VARCHAR2|CHAR)\s*\(\s*(\d+)\s*(CHAR|BYTE)?\s*\))", std::regex::icase);
    std::string result;
    auto from = text.cbegin();
    for (std::sregex_iterator match(text.begin(), text.end(), column), end; match != end; ++match) {
        const std::string type = Upper((*match)[2]);
        const int length = std::stoi((*match)[3]);
        TColumnKind kind;
        kind.National = type[0] == 'N';
        kind.Fixed = type == "NCHAR";
        kind.CharUsed = kind.National || Upper((*match)[4]) == "CHAR";
        kind.Length = length;
        const bool fixed = type == "CHAR" || type == "NCHAR";
        const int bytes = kind.National ? 4 * length : length;
        result.append(from, (*match)[0].first);
        result += std::string((*match)[1]) + " " + (fixed ? "CHAR" : "VARCHAR2") + "(" +
                  std::to_string(bytes) + ")";
        from = (*match)[0].second;
        if (kind.CharUsed)
            Columns()[Upper((*match)[1])] = kind;
        else
            Columns().erase(Upper((*match)[1]));
    }
    result.append(from, text.cend());
    return result;
}

std::optional<TColumnKind> ColumnKindOf(const std::string& name) {
    const auto found = Columns().find(Upper(name));
    if (found == Columns().end())
        return std::nullopt;
    return found->second;
}

} // namespace clientdouble
