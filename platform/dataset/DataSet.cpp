// The dataset's lifecycle, navigation, fields and notifications. Editing (append, insert, edit,
// post, cancel, delete, refresh) is in DataSetEditing.cpp.
#include "platform/dataset/DataSet.h"

#include "platform/dataset/DataSource.h"

#include <algorithm>
#include <cassert>
#include <utility>

TDataSet::TDataSet(std::string name) : FName(std::move(name)) {}

// The subclass has closed the source in its own destructor; only the links are left to tell.
TDataSet::~TDataSet() {
    const auto sources = FDataSources;
    for (TDataSource* source : sources)
        source->DataSetDestroyed();
}

void TDataSet::Open() {
    if (Active())
        return;
    if (BeforeOpen)
        BeforeOpen(*this);
    try {
        InternalOpen();
        CreateFields();
        FState = TDataSetState::dsBrowse;
        ResetPosition();
    } catch (...) {
        FState = TDataSetState::dsInactive;
        DestroyFields();
        try {
            InternalClose();
        } catch (...) {
            // The open failure is the error to report; the source is dropped either way.
        }
        throw;
    }
    DataEvent(TDataEvent::ActiveChanged);
    if (AfterOpen)
        AfterOpen(*this);
}

void TDataSet::Close() {
    if (!Active())
        return;
    if (BeforeClose)
        BeforeClose(*this);
    FState = TDataSetState::dsInactive;
    FEditBuffer.clear();
    FModified = false;
    FCurrent = -1;
    FBof = FEof = true;
    // The fields go even when the source fails to close, so no view keeps reading them.
    struct TFieldsRelease {
        TDataSet& DataSet;
        ~TFieldsRelease() { DataSet.DestroyFields(); }
    } release{*this};
    InternalClose();
    DataEvent(TDataEvent::ActiveChanged);
    if (AfterClose)
        AfterClose(*this);
}

void TDataSet::SetActive(bool active) {
    if (active)
        Open();
    else
        Close();
}

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

TField& TDataSet::Fields(int index) const {
    assert(index >= 0 && index < FieldCount());
    return *FFields[static_cast<size_t>(index)];
}

TField* TDataSet::FindField(std::string_view name) const {
    const int fieldNo = FFieldDefs.IndexOf(name);
    if (fieldNo < 0 || !Active())
        return nullptr;
    const auto it =
        std::ranges::find_if(FFields, [&](const auto& field) { return field->FieldNo() == fieldNo; });
    return it == FFields.end() ? nullptr : it->get();
}

TField& TDataSet::FieldByName(std::string_view name) const {
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError(DatabaseErrorText::FieldNotFound(FName, name));
    return *field;
}

void TDataSet::DisableControls() {
    ++FDisableCount;
}

void TDataSet::EnableControls() {
    assert(FDisableCount > 0);
    if (--FDisableCount > 0)
        return;
    const bool layout = std::exchange(FLayoutChangedWhileDisabled, false);
    const bool active = std::exchange(FActiveChangedWhileDisabled, false);
    if (layout)
        DataEvent(TDataEvent::LayoutChanged);
    DataEvent(active ? TDataEvent::ActiveChanged : TDataEvent::DataSetChanged);
}

EDatabaseError TDataSet::RecordDiscardedError(int recordIndex) const {
    return EDatabaseError(DatabaseErrorText::RecordDiscarded(FName, recordIndex));
}

void TDataSet::RecordsReplaced() {
    if (!Active())
        return;
    FState = TDataSetState::dsBrowse;
    FEditBuffer.clear();
    FModified = false;
    ResetPosition();
    DataEvent(TDataEvent::DataSetChanged);
}

void TDataSet::CheckInactive() const {
    if (Active())
        throw EDatabaseError(std::string(DatabaseErrorText::DataSetOpen));
}

void TDataSet::CheckActive() const {
    if (!Active())
        throw EDatabaseError(std::string(DatabaseErrorText::DataSetClosed));
}

const TVariant& TDataSet::ActiveValue(int fieldNo) const {
    static const TVariant null;
    const auto at = [fieldNo](const TRecordBuffer& record) -> const TVariant& {
        return record[static_cast<size_t>(fieldNo)];
    };
    const bool editing = FState == TDataSetState::dsEdit || FState == TDataSetState::dsInsert;
    if (FViewIndex >= 0 && !(FState == TDataSetState::dsEdit && FViewIndex == FCurrent))
        return at(GetRecord(FViewIndex));
    if (editing)
        return at(FEditBuffer);
    return FCurrent < 0 ? null : at(GetRecord(FCurrent));
}

void TDataSet::SetActiveValue(TField& field, TVariant value) {
    assert(FViewIndex < 0 && "a view wrote a field");
    if (FState != TDataSetState::dsEdit && FState != TDataSetState::dsInsert)
        throw EDatabaseError(std::string(DatabaseErrorText::NotEditing));
    FEditBuffer[static_cast<size_t>(field.FieldNo())] = std::move(value);
    FModified = true;
    DataEvent(TDataEvent::RecordChanged, &field);
}

int TDataSet::FieldIndex(const TField& field) const {
    const auto it = std::ranges::find_if(FFields, [&](const auto& f) { return f.get() == &field; });
    assert(it != FFields.end());
    return static_cast<int>(it - FFields.begin());
}

void TDataSet::MoveField(const TField& field, int newIndex) {
    const auto from = FFields.begin() + FieldIndex(field);
    const auto to = FFields.begin() + std::clamp(newIndex, 0, FieldCount() - 1);
    if (from < to)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    FieldLayoutChanged();
}

void TDataSet::FieldLayoutChanged() {
    DataEvent(TDataEvent::LayoutChanged);
}

void TDataSet::FieldDisplayChanged() {
    DataEvent(TDataEvent::DataSetChanged);
}

void TDataSet::AddDataSource(TDataSource* source) {
    FDataSources.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource* source) {
    std::erase(FDataSources, source);
}

void TDataSet::DataEvent(TDataEvent event, TField* field, int distance) {
    if (FDisableCount > 0) {
        FActiveChangedWhileDisabled |= event == TDataEvent::ActiveChanged;
        FLayoutChangedWhileDisabled |= event == TDataEvent::LayoutChanged;
        return;
    }
    // A view may detach itself while being told.
    const auto sources = FDataSources;
    for (TDataSource* source : sources) {
        switch (event) {
        case TDataEvent::ActiveChanged:
            source->NotifyActiveChanged();
            break;
        case TDataEvent::DataSetChanged:
            source->NotifyDataSetChanged();
            break;
        case TDataEvent::RecordChanged:
            source->NotifyRecordChanged(field);
            break;
        case TDataEvent::DataSetScrolled:
            source->NotifyScrolled(distance);
            break;
        case TDataEvent::LayoutChanged:
            source->NotifyLayoutChanged();
            break;
        }
    }
}

void TDataSet::CreateFields() {
    for (int fieldNo = 0; fieldNo < FFieldDefs.Count(); ++fieldNo)
        FFields.push_back(std::make_unique<TField>(*this, FFieldDefs[fieldNo], fieldNo));
}

void TDataSet::DestroyFields() {
    FFields.clear();
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
