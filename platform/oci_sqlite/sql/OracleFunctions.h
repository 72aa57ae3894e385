// Registers on a SQLite connection the functions, aggregates and the case-sensitive LIKE that the
// translator's output calls: decimal NUMBER arithmetic and SUM, DATE conversion and arithmetic,
// Oracle's string functions, and the checks that store values into typed columns. Errors are
// raised as SQLite errors whose message is Oracle's ("ORA-01476: divisor is equal to zero").
#pragma once

struct sqlite3;

namespace orasql {

void RegisterOracleFunctions(sqlite3* db);

} // namespace orasql
