// Changing records: the edit buffer behind Append, Insert and Edit, the required-field check and
// Post, Cancel, Delete and Refresh. The subclass applies each change to its source.
#include "platform/dataset/DataSet.h"

#include <algorithm>

void TDataSet::Append() {
    CheckBrowseMode();
    CheckCanModify();
    // A new last record needs every record fetched, or it would land among the pending ones.
    while (FetchMore()) {
    }
    StartNewRecord(RecordsHeld());
}

void TDataSet::Insert() {
    CheckBrowseMode();
    CheckCanModify();
    StartNewRecord(std::max(FCurrent, 0));
}

void TDataSet::Edit() {
    CheckActive();
    if (FState != TDataSetState::dsBrowse)
        return;
    if (IsEmpty()) {
        Insert();
        return;
    }
    CheckCanModify();
    InternalEdit(FCurrent);
    FEditBuffer = GetRecord(FCurrent);
    FModified = false;
    FState = TDataSetState::dsEdit;
    DataEvent(TDataEvent::DataSetChanged);
}

void TDataSet::Post() {
    CheckActive();
    if (FState == TDataSetState::dsBrowse)
        return;
    if (BeforePost)
        BeforePost(*this);
    CheckRequiredFields();
    if (FState == TDataSetState::dsInsert) {
        InternalInsert(FInsertIndex, FEditBuffer);
        FCurrent = FInsertIndex;
    } else {
        InternalUpdate(FCurrent, FEditBuffer);
    }
    FBof = FEof = false;
    EndEditing();
    if (AfterPost)
        AfterPost(*this);
}

const TRecordBuffer& TDataSet::NewRecordForPost() {
    CheckActive();
    if (FState != TDataSetState::dsInsert)
        throw EDatabaseError(std::string(DatabaseErrorText::NotEditing));
    if (BeforePost)
        BeforePost(*this);
    CheckRequiredFields();
    return FEditBuffer;
}

void TDataSet::Cancel() {
    CheckActive();
    if (FState != TDataSetState::dsBrowse)
        EndEditing();
}

void TDataSet::Delete() {
    CheckActive();
    if (FState == TDataSetState::dsInsert) {
        Cancel();
        return;
    }
    CheckCanModify();
    if (IsEmpty())
        throw EDatabaseError(std::string(DatabaseErrorText::NoRecords));
    InternalDelete(FCurrent);
    FState = TDataSetState::dsBrowse;
    FEditBuffer.clear();
    FModified = false;
    // The next record takes the place of the deleted one; after the last, the previous one does.
    if (!FetchUpTo(FCurrent))
        FCurrent = RecordsHeld() - 1;
    FBof = FEof = FCurrent < 0;
    DataEvent(TDataEvent::DataSetChanged);
}

void TDataSet::Refresh() {
    CheckBrowseMode();
    InternalRefresh();
    ResetPosition();
    DataEvent(TDataEvent::DataSetChanged);
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    if (FState == TDataSetState::dsBrowse)
        return;
    if (FModified)
        Post();
    else
        Cancel();
}

void TDataSet::CheckCanModify() const {
    if (!CanModify())
        throw EDatabaseError(std::string(DatabaseErrorText::ReadOnlyDataSet));
}

void TDataSet::StartNewRecord(int insertIndex) {
    FEditBuffer.assign(FFields.size(), TVariant());
    InitNewRecord(FEditBuffer);
    FInsertIndex = insertIndex;
    FModified = false;
    FState = TDataSetState::dsInsert;
    DataEvent(TDataEvent::DataSetChanged);
}

// In field order, so the first empty field the user sees is the one reported.
void TDataSet::CheckRequiredFields() const {
    for (const auto& field : FFields)
        if (field->Required() && FEditBuffer[static_cast<size_t>(field->FieldNo())].IsNull())
            throw EDatabaseError(DatabaseErrorText::FieldRequired(field->DisplayLabel()));
}

void TDataSet::EndEditing() {
    FState = TDataSetState::dsBrowse;
    FEditBuffer.clear();
    FModified = false;
    DataEvent(TDataEvent::DataSetChanged);
}
