// Describing select lists from SQLite's declared column types and values.
#include "platform/oci_sqlite/ColumnDescription.h"

#include "platform/oci_sqlite/SqlText.h"

#include <cstdio>
#include <sqlite3.h>

namespace ocisqlite {

namespace {
constexpr ub2 kNumberSize = 22;       // bytes of Oracle's NUMBER
constexpr ub2 kExpressionSize = 4000; // longest VARCHAR2: an expression's text length is unknown
constexpr ub2 kRowidTextSize = 18;

struct TypeText {
    std::string base;
    int first = -1, second = -1;
};

TypeText SplitType(const std::string& declared) {
    TypeText t;
    const std::string upper = UpperCase(declared);
    const auto open = upper.find('(');
    t.base = upper.substr(0, open);
    while (!t.base.empty() && t.base.back() == ' ')
        t.base.pop_back();
    if (open != std::string::npos)
        std::sscanf(upper.c_str() + open, "(%d , %d", &t.first, &t.second);
    return t;
}

bool NotNullColumn(sqlite3_stmt* stmt, int column) {
    const char* table = sqlite3_column_table_name(stmt, column);
    const char* origin = sqlite3_column_origin_name(stmt, column);
    int notNull = 0;
    if (table && origin)
        sqlite3_table_column_metadata(sqlite3_db_handle(stmt), sqlite3_column_database_name(stmt, column),
                                      table, origin, nullptr, nullptr, &notNull, nullptr, nullptr);
    return notNull != 0;
}

ColumnDescription DescribeExpression(const Value* value) {
    ColumnDescription d;
    if (value && (std::holds_alternative<int64_t>(*value) || std::holds_alternative<double>(*value))) {
        d.type = SQLT_NUM;
        d.dataSize = kNumberSize;
        d.scale = -127;
    } else {
        d.type = SQLT_CHR;
        d.dataSize = kExpressionSize;
    }
    return d;
}
} // namespace

std::optional<ColumnDescription> DescribeDeclaredType(const std::string& declared) {
    const TypeText t = SplitType(declared);
    ColumnDescription d;
    if (t.base == "VARCHAR2" || t.base == "VARCHAR" || t.base == "NVARCHAR2") {
        d.type = SQLT_CHR;
        d.dataSize = static_cast<ub2>(t.first > 0 ? t.first : 1);
    } else if (t.base == "CHAR" || t.base == "NCHAR") {
        d.type = SQLT_AFC;
        d.dataSize = static_cast<ub2>(t.first > 0 ? t.first : 1);
    } else if (t.base == "NUMBER" || t.base == "INTEGER" || t.base == "INT" || t.base == "SMALLINT") {
        d.type = SQLT_NUM;
        d.dataSize = kNumberSize;
        const bool integer = t.base != "NUMBER";
        d.precision = static_cast<sb2>(integer ? 38 : (t.first > 0 ? t.first : 0));
        d.scale = static_cast<sb1>(integer ? 0 : t.first > 0 ? (t.second >= 0 ? t.second : 0) : -127);
    } else if (t.base == "DATE") {
        d.type = SQLT_DAT;
        d.dataSize = 7;
    } else {
        return std::nullopt;
    }
    return d;
}

std::vector<ColumnDescription> DescribeColumns(sqlite3_stmt* stmt, const Row* firstRow) {
    const int count = sqlite3_column_count(stmt);
    std::vector<ColumnDescription> columns;
    columns.reserve(count);
    for (int i = 0; i < count; ++i) {
        const char* declared = sqlite3_column_decltype(stmt, i);
        const auto fromTable = declared ? DescribeDeclaredType(declared) : std::nullopt;
        ColumnDescription d =
            fromTable ? *fromTable : DescribeExpression(firstRow ? &(*firstRow)[i] : nullptr);
        d.name = UpperCase(sqlite3_column_name(stmt, i));
        if (d.name == "ROWID") {
            d.type = SQLT_RID;
            d.dataSize = kRowidTextSize;
        }
        d.nullable = !NotNullColumn(stmt, i);
        columns.push_back(std::move(d));
    }
    return columns;
}

} // namespace ocisqlite
