// SUM and AVG of the local queries in decimal: the report's subtotals and totals of amounts carry
// no binary residue. They replace SQLite's own functions on a connection; integers still sum to an
// integer, NULLs are skipped, and an empty set gives NULL, as before.
#pragma once

struct sqlite3;

void InstallDecimalAggregates(sqlite3* db);
