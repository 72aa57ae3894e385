// Rows from a cursor into define buffers, and the fetch entry points: the next rows, or for a
// scrollable query the rows of any orientation.
#include "platform/oci_sqlite/StatementFetch.h"

#include "platform/oci_sqlite/OciCall.h"
#include "platform/oci_sqlite/RoundTrips.h"

#include <algorithm>

using namespace ocisqlite;

namespace ocisqlite {

namespace {

// Writes one row into position `index` of every define; true when a value was cut short.
bool WriteRow(StmtHandle* stmt, const Row& row, ub4 index) {
    bool truncated = false;
    for (size_t position = 0; position < stmt->defines.size(); ++position) {
        const auto& define = stmt->defines[position];
        if (!define)
            continue;
        if (position >= row.size())
            throw ora::Make(1007, "variable not in select list");
        const bool isDate = std::holds_alternative<std::string>(row[position]) &&
                            stmt->cursor->IsDateColumn(static_cast<int>(position));
        truncated |= WriteValue(row[position], define->slot, index, isDate, stmt->session->nlsDateFormat()) ==
                     WriteOutcome::Truncated;
    }
    return truncated;
}

// What a fetch answers: fewer rows than asked for is the end of the data, a cut value a warning.
sword FetchOutcome(const StmtHandle* stmt, OCIError* errhp, ub4 rows, bool truncated) {
    if (stmt->rowsFetched < rows) {
        RecordError(errhp, ora::NoDataFound());
        return OCI_NO_DATA;
    }
    if (truncated) {
        RecordError(errhp, ora::ValueTruncated());
        return OCI_SUCCESS_WITH_INFO;
    }
    return OCI_SUCCESS;
}

} // namespace

void ReceiveRows(StmtHandle* stmt, ub4 wanted) {
    const size_t request =
        static_cast<size_t>(wanted - std::min(wanted, stmt->prefetched)) + stmt->prefetchRows;
    const size_t target = stmt->prefetched + request;
    const size_t held = stmt->cursor->ReadAhead(target);
    stmt->allReceived = held < target;
    stmt->prefetched = static_cast<ub4>(held);
}

sword FetchRows(StmtHandle* stmt, OCIError* errhp, ub4 rows) {
    if (!stmt->cursor)
        throw ora::FetchOutOfSequence();
    if (stmt->describedOnly)
        throw ora::Make(24338, "statement handle not executed");
    if (stmt->prefetched < rows && !stmt->allReceived) {
        CountRoundTrip();
        ReceiveRows(stmt, rows);
    }
    stmt->rowsFetched = 0;
    bool truncated = false;
    while (stmt->rowsFetched < rows && stmt->prefetched > 0) {
        const Row* row = stmt->cursor->Next();
        if (!row)
            break;
        --stmt->prefetched;
        truncated |= WriteRow(stmt, *row, stmt->rowsFetched);
        ++stmt->rowsFetched;
        ++stmt->rowCount;
    }
    return FetchOutcome(stmt, errhp, rows, truncated);
}

void ReadAllRows(StmtHandle* stmt) {
    std::vector<Row> rows;
    while (const Row* row = stmt->cursor->Next())
        rows.push_back(*row);
    stmt->scrollRows = std::move(rows);
    stmt->position = 0;
}

sword FetchScrolled(StmtHandle* stmt, OCIError* errhp, ub4 rows, ub2 orientation, sb4 offset) {
    const std::vector<Row>& all = *stmt->scrollRows;
    const int64_t count = static_cast<int64_t>(all.size()), current = stmt->position;
    int64_t target = 0;
    switch (orientation) {
    case OCI_DEFAULT:
    case OCI_FETCH_NEXT:
        target = current + 1;
        break;
    case OCI_FETCH_CURRENT:
        target = current;
        break;
    case OCI_FETCH_FIRST:
        target = 1;
        break;
    case OCI_FETCH_LAST:
        target = count;
        break;
    case OCI_FETCH_PRIOR:
        target = current - 1;
        break;
    case OCI_FETCH_ABSOLUTE:
        target = offset;
        break;
    case OCI_FETCH_RELATIVE:
        target = current + offset;
        break;
    default:
        throw ora::Make(24326, "invalid orientation or fetch offset");
    }
    stmt->rowsFetched = 0;
    if (target < 1 || target > count || rows == 0) {
        RecordError(errhp, ora::NoDataFound());
        return OCI_NO_DATA;
    }
    bool truncated = false;
    for (int64_t i = target; i <= count && stmt->rowsFetched < rows; ++i)
        truncated |= WriteRow(stmt, all[static_cast<size_t>(i - 1)], stmt->rowsFetched++);
    stmt->position = static_cast<ub4>(target + stmt->rowsFetched - 1);
    stmt->rowCount = std::max(stmt->rowCount, stmt->position);
    return FetchOutcome(stmt, errhp, rows, truncated);
}

} // namespace ocisqlite

namespace {

// Only a scrollable query fetches by any orientation but the next rows.
sword Fetch(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, sb4 offset) {
    return OciCall(errhp, [&] {
        StmtHandle* stmt = Stmt(stmtp);
        if (stmt->scrollRows) {
            CountRoundTrip(); // a server keeps a scrollable cursor's rows
            return FetchScrolled(stmt, errhp, nrows, orientation, offset);
        }
        if (orientation != OCI_FETCH_NEXT && orientation != OCI_DEFAULT)
            throw ora::Make(24391, "invalid fetch operation under non-scrollable mode");
        return FetchRows(stmt, errhp, nrows);
    });
}

} // namespace

extern "C" {

sword OCIStmtFetch(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, ub4) {
    return Fetch(stmtp, errhp, nrows, orientation, 0);
}

sword OCIStmtFetch2(OCIStmt* stmtp, OCIError* errhp, ub4 nrows, ub2 orientation, sb4 fetchOffset, ub4) {
    return Fetch(stmtp, errhp, nrows, orientation, fetchOffset);
}

} // extern "C"
