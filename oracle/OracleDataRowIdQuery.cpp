// A dataset's own SELECT rewritten: narrowed to one row by its ROWID, for re-reading a record with
// every column the dataset shows (computed and joined ones too), or without its final ORDER BY for
// counting its rows.
#include "oracle/OracleData.h"
#include "platform/settings/TextUtils.h"

#include <cctype>
#include <set>

namespace {

bool IsWordCharacter(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c == '#' || c == '.' || c == '"' || c > 127;
}

// The text upper-cased, with quoted texts, comments and everything inside parentheses blanked, so
// that only the outer statement's words remain, each at its own position.
std::string OuterWords(const std::string& sql) {
    std::string outer(sql.size(), ' ');
    int depth = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (c == '\'') {
            const size_t close = sql.find('\'', i + 1);
            i = close == std::string::npos ? sql.size() : close;
        } else if (c == '-' && sql.compare(i, 2, "--") == 0) {
            const size_t end = sql.find('\n', i);
            i = end == std::string::npos ? sql.size() : end;
        } else if (c == '/' && sql.compare(i, 2, "/*") == 0) {
            const size_t end = sql.find("*/", i + 2);
            i = end == std::string::npos ? sql.size() : end + 1;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (depth == 0) {
            outer[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return outer;
}

struct TWord {
    std::string Text;
    size_t Begin, End;
};

std::vector<TWord> WordsOf(const std::string& outer) {
    std::vector<TWord> words;
    for (size_t i = 0; i < outer.size();) {
        if (!IsWordCharacter(static_cast<unsigned char>(outer[i]))) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < outer.size() && IsWordCharacter(static_cast<unsigned char>(outer[end])))
            ++end;
        words.push_back({outer.substr(i, end - i), i, end});
        i = end;
    }
    return words;
}

// Words that end the FROM list or the WHERE condition.
bool EndsCondition(const std::string& word) {
    static const std::set<std::string> kWords{"GROUP", "ORDER",     "HAVING", "CONNECT", "START",
                                              "UNION", "INTERSECT", "MINUS",  "FOR",     "MODEL"};
    return kWords.count(word) > 0;
}

bool IsClauseWord(const std::string& word) {
    static const std::set<std::string> kWords{"WHERE", "JOIN",  "INNER",   "LEFT",   "RIGHT",
                                              "FULL",  "CROSS", "NATURAL", "SAMPLE", "PARTITION"};
    return EndsCondition(word) || kWords.count(word) > 0;
}

} // namespace

std::string RestrictedToRowId(const std::string& sql, const std::string& variable) {
    const std::string outer = OuterWords(sql);
    const std::vector<TWord> words = WordsOf(outer);
    size_t from = 0;
    while (from < words.size() && words[from].Text != "FROM")
        ++from;
    if (from + 1 >= words.size())
        throw Exception("The query has no table to restrict by rowid");
    const TWord& table = words[from + 1];
    // A table alias follows its table, separated by blanks only.
    std::string alias = sql.substr(table.Begin, table.End - table.Begin);
    if (from + 2 < words.size()) {
        const TWord& next = words[from + 2];
        const bool adjacent = outer.find_first_not_of(" \t\r\n", table.End) == next.Begin;
        if (adjacent && !IsClauseWord(next.Text))
            alias = sql.substr(next.Begin, next.End - next.Begin);
    }
    const std::string condition = alias + ".rowid = :" + variable;
    size_t where = std::string::npos, tail = sql.size();
    for (size_t i = from + 1; i < words.size(); ++i) {
        if (words[i].Text == "WHERE" && where == std::string::npos)
            where = words[i].End;
        else if (EndsCondition(words[i].Text)) {
            tail = words[i].Begin;
            break;
        }
    }
    const std::string rest = tail < sql.size() ? " " + sql.substr(tail) : std::string();
    if (where == std::string::npos)
        return TrimRight(sql.substr(0, tail)) + " where " + condition + rest;
    return sql.substr(0, where) + " " + condition + " and (" + Trim(sql.substr(where, tail - where)) + ")" +
           rest;
}

// An ORDER BY that a row limit or FOR UPDATE follows stays, as it decides which rows there are.
std::string WithoutFinalOrderBy(const std::string& sql) {
    const std::vector<TWord> words = WordsOf(OuterWords(sql));
    for (size_t i = words.size(); i-- > 1;) {
        const std::string& word = words[i].Text;
        if (word == "FOR" || word == "FETCH" || word == "OFFSET")
            return sql;
        if (word == "BY" && words[i - 1].Text == "ORDER")
            return TrimRight(sql.substr(0, words[i - 1].Begin));
    }
    return sql;
}
