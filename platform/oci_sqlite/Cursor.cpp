// Lazy stepping with a buffer that takes over, packed, at transaction boundaries. A cursor that reached its
// end resets its statement at once, so it holds no read snapshot open.
#include "platform/oci_sqlite/Cursor.h"

#include "platform/oci_sqlite/PackedRow.h"

#include <algorithm>
#include <sqlite3.h>

namespace ocisqlite {

void OpenCursors::Remove(Cursor* cursor) {
    const auto found = std::find(cursors_.begin(), cursors_.end(), cursor);
    if (found == cursors_.end())
        return;
    *found = cursors_.back();
    cursors_.pop_back();
}

void OpenCursors::DetachAll() {
    const std::vector<Cursor*> open = cursors_; // a detached cursor leaves the list
    for (Cursor* cursor : open)
        cursor->Detach();
}

Cursor::Cursor(StatementLease lease, std::shared_ptr<OpenCursors> registry, ErrorContext context,
               std::shared_ptr<const orasql::Translation> translation, bool describeOnly)
    : lease_(std::move(lease)), registry_(std::move(registry)), context_(std::move(context)),
      translation_(std::move(translation)), live_(!describeOnly) {
    if (live_)
        Step();
    firstRowBuffered_ = !buffered_.empty();
    if (live_)
        registry_->Add(this);
}

Cursor::~Cursor() {
    registry_->Remove(this);
}

// Reads one more row into the buffer; at the end the statement is reset so it holds no read
// transaction.
void Cursor::Step() {
    sqlite3_stmt* stmt = lease_.get();
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        if (next_ > 0 && next_ == buffered_.size()) { // every row taken: the buffer starts over
            if (firstRowBuffered_)
                firstRow_ = std::move(buffered_.front());
            firstRowBuffered_ = false;
            buffered_.clear();
            next_ = 0;
        }
        buffered_.push_back(CurrentRow(stmt));
        return;
    }
    Finish(rc);
}

void Cursor::Finish(int rc) {
    live_ = false;
    registry_->Remove(this);
    sqlite3_stmt* stmt = lease_.get();
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        ThrowSqliteError(sqlite3_db_handle(stmt), rc, context_);
}

const Row* Cursor::Next() {
    if (next_ == buffered_.size() && live_)
        Step();
    if (next_ < buffered_.size())
        return &buffered_[next_++];
    if (nextPacked_ == packed_.size())
        return nullptr;
    std::string& packed = packed_[nextPacked_++];
    UnpackRow(packed, unpacked_);
    std::string().swap(packed);
    return &unpacked_;
}

size_t Cursor::Waiting() const {
    return buffered_.size() - next_ + packed_.size() - nextPacked_;
}

size_t Cursor::ReadAhead(size_t rows) {
    while (Waiting() < rows && live_)
        Step();
    return std::min(rows, Waiting());
}

// The rest of the rows are read now, packed: a large result would otherwise take ten times the room.
void Cursor::Detach() {
    if (!live_)
        return;
    sqlite3_stmt* stmt = lease_.get();
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        packed_.push_back(PackCurrentRow(stmt));
    Finish(rc);
}

// A description that read no value holds for every execution of the same translation.
const DescribedColumns& Cursor::Described() {
    if (columns_)
        return *columns_;
    columns_ = lease_.KnownColumns(translation_.get());
    if (columns_)
        return *columns_;
    auto described = std::make_shared<DescribedColumns>(DescribeColumns(Source()));
    described->translation = translation_;
    columns_ = described;
    if (translation_ && !described->fromFirstRow)
        lease_.KeepColumns(columns_);
    return *columns_;
}

const std::vector<ColumnDescription>& Cursor::Columns() {
    return Described().columns;
}

bool Cursor::IsDateColumn(int column) {
    return Described().dates[column];
}

ColumnSource Cursor::Source() const {
    const Row* first = firstRowBuffered_ ? &buffered_.front() : firstRow_ ? &*firstRow_ : nullptr;
    return {lease_.get(), first, translation_ ? &translation_->columns : nullptr};
}

int Cursor::ColumnCount() const {
    return sqlite3_column_count(lease_.get());
}

} // namespace ocisqlite
