// Building the sort and group query texts line by line.
#include "grid/print/GroupQuery.h"

#include <cctype>

namespace {

constexpr const char* PlaceholderCharacter = "\xC3\xBF"; // "ÿ", code 255

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

std::string GroupNames(const std::vector<TGroupColumn>& groups, size_t from, size_t to) {
    std::vector<std::string> names;
    for (size_t i = from; i < to; ++i)
        names.push_back(SqlName(groups[i].Name));
    return Joined(names);
}

// The groups of a level's key: 0..level, then the following ones up to the next with a subtotal.
size_t KeyEnd(const std::vector<TGroupColumn>& groups, int level) {
    size_t end = static_cast<size_t>(level + 1);
    while (end < groups.size() && !groups[end].Subtotal)
        ++end;
    return end;
}

} // namespace

const char* AggregateName(int kind) {
    static const char* const names[] = {"", "SUM", "AVG", "MIN", "MAX"};
    return kind >= 0 && kind <= 4 ? names[kind] : "";
}

std::string SqlName(const std::string& name) {
    bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]));
    for (char c : name)
        plain = plain && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
    if (plain)
        return name;
    std::string quoted = "\"";
    for (char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string PlaceholderText(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += PlaceholderCharacter;
    return text;
}

std::string GroupPlaceholder(const TGroupColumn& column) {
    std::string value;
    switch (column.DataType) {
    case TFieldType::ftString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftWideString:
        value = "'" + PlaceholderText(column.Size) + "' AS ";
        break;
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
        value = "CAST(-32000 AS INTEGER) AS ";
        break;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        value = "CAST(68719476736+0 AS NUMERIC) AS ";
        break;
    case TFieldType::ftDate:
        value = "'03/10/2999' AS ";
        break;
    case TFieldType::ftDateTime:
        value = "'03/10/2999 10:10:10' AS ";
        break;
    default:
        return {};
    }
    return value + SqlName(column.Name);
}

std::string AggregateItem(const TSumColumn& column) {
    const std::string name = SqlName(column.Name);
    return std::string(AggregateName(column.Kind)) + "(" + name + ") AS " + name;
}

std::vector<std::string> SortQueryText(const std::vector<TGroupColumn>& groups,
                                       const std::vector<TSumColumn>& sums, const std::string& table) {
    const std::string g = GroupNames(groups, 0, groups.size());
    std::string s = g;
    std::vector<std::string> placeholders;
    for (const TGroupColumn& group : groups)
        placeholders.push_back(GroupPlaceholder(group));
    std::string p = Joined(placeholders);
    for (const TSumColumn& sum : sums) {
        s += (s.empty() ? "" : ",") + SqlName(sum.Name);
        p += (p.empty() ? "" : ",") + AggregateItem(sum);
    }
    std::vector<std::string> lines{"SELECT " + s + " FROM " + table, "UNION ALL",
                                   "SELECT " + p + " FROM " + table};
    if (!g.empty())
        lines.push_back("ORDER BY " + g);
    return lines;
}

std::vector<std::string> GroupQueryText(const std::vector<TGroupColumn>& groups,
                                        const std::vector<TSumColumn>& sums, const std::string& table) {
    std::vector<std::string> aggregates;
    for (const TSumColumn& sum : sums)
        aggregates.push_back(AggregateItem(sum));
    const std::string a = Joined(aggregates);
    std::vector<std::string> lines;
    for (int level = -1; level < static_cast<int>(groups.size()); ++level) {
        if (level >= 0 && !groups[static_cast<size_t>(level)].Subtotal)
            continue;
        if (!lines.empty())
            lines.push_back("UNION");
        const size_t keyEnd = KeyEnd(groups, level);
        const std::string k = GroupNames(groups, 0, keyEnd);
        std::vector<std::string> placeholders;
        for (size_t i = keyEnd; i < groups.size(); ++i)
            placeholders.push_back(GroupPlaceholder(groups[i]));
        const std::string h = Joined(placeholders);
        std::string l = k;
        if (!h.empty())
            l += (l.empty() ? "" : ",") + h;
        if (!l.empty())
            l += ",";
        lines.push_back("SELECT " + l + a);
        lines.push_back("FROM " + table);
        if (!k.empty())
            lines.push_back("GROUP BY " + k);
    }
    if (!groups.empty())
        lines.push_back("ORDER BY " + GroupNames(groups, 0, groups.size()));
    return lines;
}
