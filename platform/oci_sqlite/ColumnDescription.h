// What a describe reports about one select-list column, in Oracle's terms: internal type, data
// size, precision, scale, nullability and the name as Oracle gives it (unquoted names upper case).
// Types come from the translation where it knows them, else from declared types or first values.
#pragma once

#include "platform/oci_sqlite/OciApi.h"
#include "platform/oci_sqlite/Value.h"

#include "platform/oci_sqlite/sql/Translator.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace ocisqlite {

struct ColumnDescription {
    std::string name;
    ub2 type = SQLT_CHR;
    ub2 dataSize = 0;
    sb2 precision = 0;
    sb1 scale = 0;
    bool nullable = true;
};

// Oracle's description of a type the translator reports or a declared type reads as ("VARCHAR2(30)",
// "NUMBER(9,2)", "DATE"); empty for a type Oracle's describe does not know.
std::optional<ColumnDescription> DescribeOracleType(const orasql::ColumnInfo& column);

// What a select list is described from, best first: the translator's types of the result columns,
// SQLite's declared types of table columns, and for the rest the first row's values (DATE when a text
// has exactly the stored date form, since SQLite keeps no type for expressions).
struct ColumnSource {
    sqlite3_stmt* stmt = nullptr;
    const Row* firstRow = nullptr;                          // none before execution or without rows
    const std::vector<orasql::ColumnInfo>* known = nullptr; // the translation's result columns
};

// A select list described whole: its columns and which of them hold dates.
struct DescribedColumns {
    std::shared_ptr<const orasql::Translation> translation; // what they were described for
    std::vector<ColumnDescription> columns;
    std::vector<bool> dates;
    bool fromFirstRow = false; // some column's type was read from a value, so it holds for this cursor only
};
DescribedColumns DescribeColumns(const ColumnSource& source);

} // namespace ocisqlite
