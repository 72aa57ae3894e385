// Lazy stepping with a buffer that takes over at transaction boundaries. A cursor that reached its
// end resets its statement at once, so it holds no read snapshot open.
#include "platform/oci_sqlite/Cursor.h"

#include <algorithm>
#include <sqlite3.h>

namespace ocisqlite {

void OpenCursors::DetachAll() {
    const std::set<Cursor*> open = cursors_; // a detached cursor leaves the set
    for (Cursor* cursor : open)
        cursor->Detach();
}

Cursor::Cursor(StatementLease lease, std::shared_ptr<OpenCursors> registry, ErrorContext context,
               std::shared_ptr<const orasql::Translation> translation, bool describeOnly)
    : lease_(std::move(lease)), registry_(std::move(registry)), context_(std::move(context)),
      translation_(std::move(translation)), live_(!describeOnly) {
    if (live_)
        StepInto(buffered_);
    if (!buffered_.empty())
        firstRow_ = buffered_.front();
    if (live_)
        registry_->Add(this);
}

Cursor::~Cursor() {
    registry_->Remove(this);
}

// Reads one more row into rows; at the end the statement is reset so it holds no read transaction.
void Cursor::StepInto(std::deque<Row>& rows) {
    sqlite3_stmt* stmt = lease_.get();
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        rows.push_back(CurrentRow(stmt));
        return;
    }
    live_ = false;
    registry_->Remove(this);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        ThrowSqliteError(sqlite3_db_handle(stmt), rc, context_);
}

std::optional<Row> Cursor::Next() {
    if (buffered_.empty() && live_)
        StepInto(buffered_);
    if (buffered_.empty())
        return std::nullopt;
    Row row = std::move(buffered_.front());
    buffered_.pop_front();
    return row;
}

size_t Cursor::ReadAhead(size_t rows) {
    while (buffered_.size() < rows && live_)
        StepInto(buffered_);
    return std::min(rows, buffered_.size());
}

void Cursor::Detach() {
    while (live_)
        StepInto(buffered_);
}

const std::vector<ColumnDescription>& Cursor::Columns() {
    if (!columns_)
        columns_ = DescribeColumns(Source());
    return *columns_;
}

bool Cursor::IsDateColumn(int column) {
    if (dateColumns_.empty()) {
        for (int i = 0; i < ColumnCount(); ++i)
            dateColumns_.push_back(ocisqlite::IsDateColumn(Source(), i));
    }
    return dateColumns_[column];
}

ColumnSource Cursor::Source() const {
    return {lease_.get(), firstRow_ ? &*firstRow_ : nullptr, translation_ ? &translation_->columns : nullptr};
}

int Cursor::ColumnCount() const {
    return sqlite3_column_count(lease_.get());
}

} // namespace ocisqlite
