// What a describe reports about one select-list column, in Oracle's terms: internal type, data
// size, precision, scale, nullability and the name as Oracle gives it (unquoted names upper case).
// Table columns are described from their declared Oracle types, expressions from their values.
#pragma once

#include "platform/oci_sqlite/OciApi.h"
#include "platform/oci_sqlite/Value.h"

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

// Oracle's description of a declared type such as "VARCHAR2(30)", "NUMBER(9,2)", "DATE".
std::optional<ColumnDescription> DescribeDeclaredType(const std::string& declared);

// firstRow, when there is one, tells the types of expressions.
std::vector<ColumnDescription> DescribeColumns(sqlite3_stmt* stmt, const Row* firstRow);

// Whether a select-list column holds DATE values: by its declared type, or for an expression (MAX of
// a date, SYSDATE, TO_DATE) by its first value having exactly the stored date form, since SQLite
// keeps no type for expressions.
bool IsDateColumn(sqlite3_stmt* stmt, int column, const Row* firstRow);

} // namespace ocisqlite
