// Fetching rows of an executed query into the statement's define buffers: NO_DATA with ORA-01403
// when fewer rows remain than asked for, ORA-01406 (success with information) when a value did not
// fit, and the row count growing with every row delivered. Rows travel as an Oracle client's do:
// OCI_ATTR_PREFETCH_ROWS decides how many come ahead in each round trip.
#pragma once

#include "platform/oci_sqlite/Handles.h"

namespace ocisqlite {

// A fetch call: served from the rows the client already holds when they suffice or no more follow,
// else one round trip brings the missing rows plus the statement's prefetch rows.
sword FetchRows(StmtHandle* stmt, OCIError* errhp, ub4 rows);

// What a round trip brings: the rows the call wants beyond those held, plus the prefetch rows; a
// reply shorter than that tells the client that the rows have ended. The execute of a query receives
// this way too, within its own round trip.
void ReceiveRows(StmtHandle* stmt, ub4 wanted);

// A scrollable query (OCI_STMT_SCROLLABLE_READONLY) reads all its rows at execute; its fetches go to
// the row the orientation names (FIRST, LAST, NEXT, PRIOR, CURRENT, ABSOLUTE or RELATIVE with the
// offset) and take up to `rows` rows from there on; OCI_NO_DATA, with the position kept, outside them.
void ReadAllRows(StmtHandle* stmt);
sword FetchScrolled(StmtHandle* stmt, OCIError* errhp, ub4 rows, ub2 orientation, sb4 offset);

} // namespace ocisqlite
