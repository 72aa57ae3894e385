// Describing select lists from SQLite's declared column types and, for expressions, from their first
// values. The declared type text is read with the translator's own parser, so both agree.
#include "platform/oci_sqlite/ColumnDescription.h"

#include "platform/oci_sqlite/OracleDate.h"
#include "platform/oci_sqlite/SqlText.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <sqlite3.h>

namespace ocisqlite {

namespace {
constexpr ub2 kNumberSize = 22;       // bytes of Oracle's NUMBER
constexpr ub2 kExpressionSize = 4000; // longest VARCHAR2: an expression's text length is unknown
constexpr ub2 kRowidTextSize = 18;

bool NotNullColumn(sqlite3_stmt* stmt, int column) {
    const char* table = sqlite3_column_table_name(stmt, column);
    const char* origin = sqlite3_column_origin_name(stmt, column);
    int notNull = 0;
    if (table && origin)
        sqlite3_table_column_metadata(sqlite3_db_handle(stmt), sqlite3_column_database_name(stmt, column),
                                      table, origin, nullptr, nullptr, &notNull, nullptr, nullptr);
    return notNull != 0;
}

bool IsStoredDateText(const Value* value) {
    const auto* text = value ? std::get_if<std::string>(value) : nullptr;
    return text && text->size() == 19 && ParseStoredDate(*text);
}

ColumnDescription DescribeExpression(const Value* value) {
    ColumnDescription d;
    if (IsStoredDateText(value)) {
        d.type = SQLT_DAT;
        d.dataSize = 7;
    } else if (value && (std::holds_alternative<int64_t>(*value) || std::holds_alternative<double>(*value))) {
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

std::optional<ColumnDescription> DescribeOracleType(const orasql::ColumnInfo& column) {
    ColumnDescription d;
    if (column.oracleType == "VARCHAR2" || column.oracleType == "CHAR") {
        d.type = column.oracleType == "CHAR" ? SQLT_AFC : SQLT_CHR;
        d.dataSize = static_cast<ub2>(column.length > 0 ? column.length : kExpressionSize);
    } else if (column.oracleType == "NUMBER" || column.oracleType == "INTEGER") {
        d.type = SQLT_NUM;
        d.dataSize = kNumberSize;
        d.precision = static_cast<sb2>(column.precision);
        d.scale = static_cast<sb1>(column.hasScale ? column.scale : -127); // -127: NUMBER without precision
    } else if (column.oracleType == "DATE") {
        d.type = SQLT_DAT;
        d.dataSize = 7;
    } else if (column.oracleType == "ROWID") {
        d.type = SQLT_RID;
        d.dataSize = kRowidTextSize;
    } else {
        return std::nullopt;
    }
    return d;
}

namespace {
// The translator's type for a column, when it knows one.
const orasql::ColumnInfo* KnownColumn(const std::vector<orasql::ColumnInfo>* known, int column) {
    if (!known || column >= static_cast<int>(known->size()) || (*known)[column].oracleType.empty())
        return nullptr;
    return &(*known)[column];
}

bool IsDateColumn(const ColumnSource& source, int column) {
    if (const orasql::ColumnInfo* known = KnownColumn(source.known, column))
        return known->oracleType == "DATE";
    if (const char* declared = sqlite3_column_decltype(source.stmt, column))
        return UpperCase(declared).rfind("DATE", 0) == 0;
    return source.firstRow && IsStoredDateText(&(*source.firstRow)[column]);
}

std::vector<ColumnDescription> Describe(const ColumnSource& source, bool& fromFirstRow) {
    sqlite3_stmt* stmt = source.stmt;
    const int count = sqlite3_column_count(stmt);
    std::vector<ColumnDescription> columns;
    columns.reserve(count);
    for (int i = 0; i < count; ++i) {
        const orasql::ColumnInfo* known = KnownColumn(source.known, i);
        auto described = known ? DescribeOracleType(*known) : std::nullopt;
        if (const char* declared = described ? nullptr : sqlite3_column_decltype(stmt, i))
            described = DescribeOracleType(orasql::ParseDeclaredType(declared));
        fromFirstRow |= !described;
        ColumnDescription d =
            described ? *described : DescribeExpression(source.firstRow ? &(*source.firstRow)[i] : nullptr);
        d.name = sqlite3_column_name(stmt, i); // the translator gives every column Oracle's name
        if (d.name == "ROWID") {
            d.type = SQLT_RID;
            d.dataSize = kRowidTextSize;
        }
        // The translator carries a table column's NOT NULL along; only other columns ask SQLite.
        d.nullable = known ? !known->notNull : !NotNullColumn(stmt, i);
        columns.push_back(std::move(d));
    }
    return columns;
}

} // namespace

// A column described without a value has a known or declared type, so its date flag needs no value
// either.
DescribedColumns DescribeColumns(const ColumnSource& source) {
    DescribedColumns described;
    described.columns = Describe(source, described.fromFirstRow);
    for (int i = 0; i < static_cast<int>(described.columns.size()); ++i)
        described.dates.push_back(IsDateColumn(source, i));
    return described;
}

} // namespace ocisqlite
