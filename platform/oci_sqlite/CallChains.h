// Deeply nested function calls for SQLite 3.40, whose parser stack holds only about 30 of them. A
// call whose argument is itself a call becomes a link of a left-to-right chain: f(a, g(b), c) is
// run as (g(b) -> ora_args('f', 2, a, c)), where the engine's "->" applies f with the value in its
// place. A chain parses at a constant stack depth, however long, so Oracle's 255 nested calls run.
// Only statements SQLite refused for nesting are rewritten; every other statement runs as it is.
#pragma once

#include <optional>
#include <string>

struct sqlite3;

namespace ocisqlite {

// The statement with its nested scalar calls chained, or nothing when it has none to chain.
std::optional<std::string> ChainedCalls(sqlite3* db, const std::string& sql);

// Registers "->" and ora_args on a connection (SQLite's own "->" belongs to JSON, which the
// translator never emits).
void RegisterCallChainFunctions(sqlite3* db);

} // namespace ocisqlite
