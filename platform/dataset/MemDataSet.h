// A dataset whose records live only in memory: the owner adds field definitions, opens it and
// appends records. Used by tests and as the record store the local tables build on. Closing
// discards the records; there is no source to read them back from.
#pragma once

#include "platform/dataset/DataSet.h"

#include <vector>

//! An in-memory dataset; every record is held from the moment it is posted.
class TMemDataSet : public TDataSet {
public:
    //! The name prefixes the dataset's error texts.
    explicit TMemDataSet(std::string name = {});
    ~TMemDataSet() override;

    //! Removes every record; the dataset stays open (or closed) as it was.
    void EmptyDataSet();

    //! Whether Append, Insert, Edit and Delete are refused ("Cannot modify a read-only dataset").
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
    bool CanModify() const override { return !FReadOnly; }

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int RecordsHeld() const override { return static_cast<int>(FRecords.size()); }
    const TRecordBuffer& GetRecord(int index) const override;
    void InternalInsert(int index, const TRecordBuffer& record) override;
    void InternalUpdate(int index, const TRecordBuffer& record) override;
    void InternalDelete(int index) override;
    void InternalReorder(const std::vector<int>& order) override;

    //! The records in position order, for subclasses that keep their own store in step.
    const std::vector<TRecordBuffer>& Records() const { return FRecords; }
    //! Replaces the records held by ones read elsewhere (a file, a query), one value per field
    //! definition each. Called from InternalOpen, after the base's; when open, the dataset moves to
    //! the first record and the views repaint.
    void LoadRecords(std::vector<TRecordBuffer> records);

private:
    std::vector<TRecordBuffer> FRecords;
    bool FReadOnly = false;
};
