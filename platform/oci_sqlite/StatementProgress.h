// While a statement runs, the engine calls back its client a few times a second, so that a window
// keeps drawing and can ask for the statement's end; Oracle's client has no such call, its clients
// use OCIBreak from another thread instead. A callback that answers non-zero ends the statement
// with ORA-01013, as OCIBreak does.
#pragma once

#include <sqlite3.h>

namespace ocisqlite {

using ProgressCallback = int (*)(void* context);

//! The callback for every session of the process, at most once per intervalMs; null removes it.
void SetStatementProgress(ProgressCallback callback, void* context, unsigned intervalMs);

//! Lets the connection's statements call the callback.
void WatchStatementProgress(sqlite3* db);

} // namespace ocisqlite
