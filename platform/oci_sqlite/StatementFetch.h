// Fetching rows of an executed query into the statement's define buffers: NO_DATA with ORA-01403
// when fewer rows remain than asked for, ORA-01406 (success with information) when a value did not
// fit, and the row count growing with every row delivered.
#pragma once

#include "platform/oci_sqlite/Handles.h"

namespace ocisqlite {

sword FetchRows(StmtHandle* stmt, OCIError* errhp, ub4 rows);

} // namespace ocisqlite
