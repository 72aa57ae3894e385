// Scoped temporary states of a dataset: controls disabled, the position remembered, another record
// read by the fields. Each restores on every path, exceptions included.
#pragma once

#include "platform/dataset/DataSet.h"

//! DisableControls for the guard's lifetime; EnableControls when it ends.
class TDisableControlsGuard {
public:
    explicit TDisableControlsGuard(TDataSet& dataSet);
    ~TDisableControlsGuard();
    TDisableControlsGuard(const TDisableControlsGuard&) = delete;
    TDisableControlsGuard& operator=(const TDisableControlsGuard&) = delete;

private:
    TDataSet& FDataSet;
};

//! Remembers the current position and returns to it when the guard ends, if the dataset is still
//! open in browse state and still holds that record; a discarded record cannot be returned to.
class TDataSetPositionGuard {
public:
    explicit TDataSetPositionGuard(TDataSet& dataSet);
    ~TDataSetPositionGuard();
    TDataSetPositionGuard(const TDataSetPositionGuard&) = delete;
    TDataSetPositionGuard& operator=(const TDataSetPositionGuard&) = delete;

private:
    TDataSet& FDataSet;
    TBookmark FBookmark;
};

//! Makes the fields read record index (0-based) without moving the current record and without any
//! notification, so a view can paint any row. Fetches lazily up to the record; raises
//! "No Records" when there is no such record and the discarded-record error of a unidirectional
//! source. The fields must not be written meanwhile. Guards do not nest.
class TRecordViewGuard {
public:
    TRecordViewGuard(TDataSet& dataSet, int index);
    ~TRecordViewGuard();
    TRecordViewGuard(const TRecordViewGuard&) = delete;
    TRecordViewGuard& operator=(const TRecordViewGuard&) = delete;

private:
    TDataSet& FDataSet;
};
