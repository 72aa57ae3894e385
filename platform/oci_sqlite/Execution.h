// Runs one translated statement in a session: queries open a cursor, changes run inside Oracle's
// transaction rules (each statement undone alone on failure, DDL committing first, commit on
// success when asked), and the engine's own actions (commit, savepoints, users, sequences, session
// settings) act on the session directly.
#pragma once

#include "platform/oci_sqlite/Binding.h"
#include "platform/oci_sqlite/Cursor.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/RowidCodec.h"
#include "platform/oci_sqlite/Session.h"

#include <memory>
#include <optional>
#include <vector>

namespace ocisqlite {

// A row of an array change with OCI_BATCH_ERRORS that failed, and why.
struct RowError {
    ub4 row = 0;
    EngineError error;
};

struct ExecutionResult {
    std::optional<RowAddress> lastRow; // the last row a change processed
    std::unique_ptr<Cursor> cursor;    // queries only
    std::vector<RowError> rowErrors;   // with OCI_BATCH_ERRORS, the rows that failed, in order
};

// rowCount grows with every row a change processed, so that after a failure it tells how many rows
// the iterations before the failing one processed.
ExecutionResult Execute(Session& session, const std::shared_ptr<const orasql::Translation>& translation,
                        const BindSet& binds, ub4 iterations, ub4 mode, ub4& rowCount);

} // namespace ocisqlite
