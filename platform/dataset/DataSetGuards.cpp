// The scoped dataset states: disabled controls, a remembered position, a record read by a view.
#include "platform/dataset/DataSetGuards.h"

#include <cassert>

TDisableControlsGuard::TDisableControlsGuard(TDataSet& dataSet) : FDataSet(dataSet) {
    FDataSet.DisableControls();
}

TDisableControlsGuard::~TDisableControlsGuard() {
    try {
        FDataSet.EnableControls();
    } catch (...) {
        // A view failing to repaint must not replace the error that may be unwinding.
    }
}

TDataSetPositionGuard::TDataSetPositionGuard(TDataSet& dataSet)
    : FDataSet(dataSet), FBookmark(dataSet.GetBookmark()) {}

TDataSetPositionGuard::~TDataSetPositionGuard() {
    if (!FDataSet.Active() || FDataSet.State() != TDataSetState::dsBrowse)
        return;
    try {
        FDataSet.GotoBookmark(FBookmark);
    } catch (...) {
        // A unidirectional source may have discarded the record; the position stays where it is.
    }
}

TRecordViewGuard::TRecordViewGuard(TDataSet& dataSet, int index) : FDataSet(dataSet) {
    assert(FDataSet.FViewIndex < 0 && "record view guards do not nest");
    FDataSet.CheckActive();
    if (!FDataSet.FetchUpTo(index))
        throw EDatabaseError(std::string(DatabaseErrorText::NoRecords));
    FDataSet.GetRecord(index);
    FDataSet.FViewIndex = index;
}

TRecordViewGuard::~TRecordViewGuard() {
    FDataSet.FViewIndex = -1;
}
