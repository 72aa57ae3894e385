// The rows of an executed query. It steps SQLite lazily, but before its session commits, rolls back
// or starts a transaction it reads the rest of its rows into memory (Detach), because SQLite resets a
// running statement on rollback while an Oracle cursor keeps fetching from the state it was opened on.
#pragma once

#include "platform/oci_sqlite/ColumnDescription.h"
#include "platform/oci_sqlite/SqliteErrors.h"
#include "platform/oci_sqlite/StatementCache.h"
#include "platform/oci_sqlite/Value.h"

#include <memory>
#include <optional>
#include <vector>

namespace ocisqlite {

class Cursor;

// The cursors open on one connection, so a transaction boundary can detach them all.
class OpenCursors {
public:
    void Add(Cursor* cursor) { cursors_.push_back(cursor); }
    void Remove(Cursor* cursor);
    void DetachAll();

private:
    std::vector<Cursor*> cursors_; // few at a time
};

class Cursor {
public:
    // Steps to the first row at once, so that execution errors surface at execute as with Oracle;
    // a describe-only cursor never steps and has no rows.
    // The translation stays with the cursor: its result-column types describe the rows.
    Cursor(StatementLease lease, std::shared_ptr<OpenCursors> registry, ErrorContext context,
           std::shared_ptr<const orasql::Translation> translation, bool describeOnly = false);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // The next row, valid until the cursor is called again; null when the rows have ended.
    const Row* Next();
    // Reads ahead until `rows` rows wait to be taken by Next, or the rows end; returns how many wait
    // (at most `rows`). Prefetching a client's rows is reading them ahead.
    size_t ReadAhead(size_t rows);
    void Detach();
    const std::vector<ColumnDescription>& Columns();
    bool IsDateColumn(int column);
    int ColumnCount() const;

private:
    void Step();
    // The rows have ended (or failed with rc): the statement is reset and holds no read snapshot.
    void Finish(int rc);
    size_t Waiting() const;
    ColumnSource Source() const;
    const DescribedColumns& Described();
    StatementLease lease_;
    std::shared_ptr<OpenCursors> registry_;
    ErrorContext context_;
    std::shared_ptr<const orasql::Translation> translation_;
    std::vector<Row> buffered_; // rows read ahead; those before next_ were taken
    size_t next_ = 0;
    // The first row describes expression columns: it stays in the buffer until the buffer starts over.
    bool firstRowBuffered_ = false;
    std::optional<Row> firstRow_;
    std::shared_ptr<const DescribedColumns> columns_; // described on first use
    bool live_ = true;
    // Rows read to the end at a transaction boundary, packed, after the buffered ones; each is
    // unpacked into unpacked_ when taken and its room freed.
    std::vector<std::string> packed_;
    size_t nextPacked_ = 0;
    Row unpacked_;
};

} // namespace ocisqlite
