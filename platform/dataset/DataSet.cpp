// The dataset's lifecycle: opening and closing the source, the state checks its operations share.
// Navigation, fields, notifications and editing each have a file of their own.
#include "platform/dataset/DataSet.h"

#include "platform/dataset/DataSource.h"

#include <exception>

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
    // The fields go and the views hear of it even when the source fails to close, so that no
    // view keeps reading a freed field.
    std::exception_ptr failure;
    try {
        InternalClose();
    } catch (...) {
        failure = std::current_exception();
    }
    DestroyFields();
    DataEvent(TDataEvent::ActiveChanged);
    if (failure)
        std::rethrow_exception(failure);
    if (AfterClose)
        AfterClose(*this);
}

void TDataSet::SetActive(bool active) {
    if (active)
        Open();
    else
        Close();
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
