// Registers on a SQLite connection the functions, aggregates and the case-sensitive LIKE that the
// translator's output calls: decimal NUMBER arithmetic and SUM, DATE conversion and arithmetic,
// Oracle's string functions, and the checks that store values into typed columns. Errors are
// raised as SQLite errors whose message is Oracle's ("ORA-01476: divisor is equal to zero").
#pragma once

#include <cstddef>

struct sqlite3;

namespace orasql {

void RegisterOracleFunctions(sqlite3* db);

// While one lives on a thread, the strings the functions build there are the procedure language's:
// up to 32,767 bytes, and ORA-06502 beyond, where SQL's stop at 4,000 with ORA-01489.
class PlsqlStrings {
public:
    PlsqlStrings();
    ~PlsqlStrings();
    PlsqlStrings(const PlsqlStrings&) = delete;
    PlsqlStrings& operator=(const PlsqlStrings&) = delete;

private:
    bool outer_;
};

inline constexpr size_t kMaxPlsqlTextBytes = 32767;

} // namespace orasql
