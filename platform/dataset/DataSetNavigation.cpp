// Moving the current position: both ends, distances, record numbers, bookmarks, and fetching
// lazily from the source as navigation and views need more records.
#include "platform/dataset/DataSet.h"

void TDataSet::First() {
    CheckBrowseMode();
    const bool any = FetchUpTo(0);
    MoveTo(any ? 0 : -1, true, !any);
}

void TDataSet::Next() {
    CheckBrowseMode();
    if (FEof)
        return;
    if (FetchUpTo(FCurrent + 1))
        MoveTo(FCurrent + 1, false, false);
    else
        FEof = true;
}

void TDataSet::Prior() {
    CheckBrowseMode();
    if (FBof)
        return;
    if (FCurrent > 0)
        MoveTo(FCurrent - 1, false, false);
    else
        FBof = true;
}

void TDataSet::Last() {
    CheckBrowseMode();
    while (FetchMore()) {
    }
    const int count = RecordsHeld();
    MoveTo(count - 1, count == 0, true);
}

int TDataSet::MoveBy(int distance) {
    const int start = FCurrent;
    for (; distance > 0 && !FEof; --distance)
        Next();
    for (; distance < 0 && !FBof; ++distance)
        Prior();
    return FCurrent - start;
}

void TDataSet::SetRecNo(int recNo) {
    CheckBrowseMode();
    if (recNo >= 1 && FetchUpTo(recNo - 1))
        MoveTo(recNo - 1, false, false);
}

int TDataSet::RecordCount() const {
    return Active() ? RecordsHeld() : 0;
}

bool TDataSet::IsEmpty() const {
    return FCurrent < 0;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) {
    CheckBrowseMode();
    if (BookmarkValid(bookmark))
        MoveTo(bookmark.Index, false, false);
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const {
    return Active() && bookmark.Index >= 0 && bookmark.Index < RecordsHeld();
}

bool TDataSet::FetchUpTo(int index) {
    if (!Active() || index < 0)
        return false;
    while (index >= RecordsHeld() && FetchMore()) {
    }
    return index < RecordsHeld();
}

// Reads the target record first, so that a discarded one raises before anything moved.
void TDataSet::MoveTo(int index, bool bof, bool eof) {
    if (index >= 0)
        GetRecord(index);
    if (BeforeScroll)
        BeforeScroll(*this);
    const int distance = index - FCurrent;
    FCurrent = index;
    FBof = bof;
    FEof = eof;
    if (distance != 0)
        DataEvent(TDataEvent::DataSetScrolled, nullptr, distance);
    if (AfterScroll)
        AfterScroll(*this);
}

void TDataSet::ResetPosition() {
    const bool any = FetchUpTo(0);
    FCurrent = any ? 0 : -1;
    FBof = true;
    FEof = !any;
}
