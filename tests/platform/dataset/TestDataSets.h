// Datasets the framework's tests run on: an in-memory one with a few typed fields, and a record
// source that hands out numbered records in blocks only when asked, optionally keeping only the
// newest block (unidirectional).
#pragma once

#include "platform/dataset/DataSet.h"
#include "platform/dataset/MemDataSet.h"

#include <memory>
#include <string>
#include <vector>

// The message of the error of type E that action raises, or "no error".
template <class E, class F> std::string ErrorOf(F&& action) {
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "no error";
}

// NAME string(10) required, QTY integer, PRICE float, DAY date, opened empty.
inline std::unique_ptr<TMemDataSet> MakeOrders() {
    auto ds = std::make_unique<TMemDataSet>("ORDERS");
    ds->FieldDefs().Add("NAME", TFieldType::ftString, 10, true);
    ds->FieldDefs().Add("QTY", TFieldType::ftInteger);
    ds->FieldDefs().Add("PRICE", TFieldType::ftFloat);
    ds->FieldDefs().Add("DAY", TFieldType::ftDate);
    ds->Open();
    return ds;
}

inline void AppendOrder(TDataSet& ds, const char* name, int qty) {
    ds.Append();
    ds.FieldByName("NAME").SetAsString(name);
    ds.FieldByName("QTY").SetAsInteger(qty);
    ds.Post();
}

// Records 1..total in field "N", fetched blockSize at a time; read-only.
class TBlockSource : public TDataSet {
public:
    TBlockSource(int total, int blockSize, bool unidirectional)
        : TDataSet("BLOCKS"), FTotal(total), FBlockSize(blockSize), FUnidirectional(unidirectional) {}
    ~TBlockSource() override { Close(); }

    bool CanModify() const override { return false; }
    int FetchCalls = 0;

protected:
    void InternalOpen() override {
        FieldDefs().Clear();
        FieldDefs().Add("N", TFieldType::ftInteger);
    }
    void InternalClose() override {
        FHeld.clear();
        FFirstHeld = FFetched = 0;
    }
    int RecordsHeld() const override { return FFetched; }
    bool FetchMore() override {
        if (FFetched >= FTotal)
            return false;
        ++FetchCalls;
        if (FUnidirectional) {
            FHeld.clear();
            FFirstHeld = FFetched;
        }
        for (int i = 0; i < FBlockSize && FFetched < FTotal; ++i)
            FHeld.push_back({TVariant::FromInteger(++FFetched)});
        return true;
    }
    const TRecordBuffer& GetRecord(int index) const override {
        if (index < FFirstHeld)
            throw RecordDiscardedError(index);
        return FHeld[static_cast<size_t>(index - FFirstHeld)];
    }
    // Never reached: the source refuses modifications.
    void InternalInsert(int, const TRecordBuffer&) override {}
    void InternalUpdate(int, const TRecordBuffer&) override {}
    void InternalDelete(int) override {}

private:
    int FTotal;
    int FBlockSize;
    bool FUnidirectional;
    std::vector<TRecordBuffer> FHeld;
    int FFirstHeld = 0;
    int FFetched = 0;
};
