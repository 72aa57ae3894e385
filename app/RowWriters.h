// The writers of one position's OBLIM row and its OBLIMD1 detail row. They expect the run to have
// Qoblim and QOblimD1 open for appending, Q1 on the source row and Qkpn on the security's current
// coupon period. Each fills the dataset's new record, so every value passes the fields' own
// conversions and checks, and hands the record to a block that sends many positions' rows at once;
// the dataset keeps none of them. Failures are left to the run.
#pragma once

#include "app/DataModule.h"
#include "app/InsertBlock.h"
#include "app/OblimRow.h"
#include "app/RejectedValue.h"

#include <functional>

//! The OBLIM and OBLIMD1 rows of many positions, each tagged with its position (the run uses Q1's
//! record number). A refused row raises as a refused post does, naming its position, the column
//! and the value, after onFailedRow moved the run back to the row's tag.
class TPositionRows {
public:
    explicit TPositionRows(TDataModule& dm, std::function<void(int tag)> onFailedRow = {});
    TPositionRows(const TPositionRows&) = delete;
    TPositionRows& operator=(const TPositionRows&) = delete;
    //! Takes the dataset's new record as posting would insert it and cancels it.
    void Add(TOracleDataSet& dataSet, const TPositionRef& position, int tag);
    //! Sends the rows gathered so far, OBLIM's first.
    void Flush();
    //! The tag of the oldest row not yet sent; -1 when none waits.
    int OldestPendingTag() const;

private:
    TInsertBlock Block(TOracleDataSet& dataSet, const char* table);
    void Reject(TOracleDataSet& dataSet, const char* table, int tag, const std::vector<TVariant>& values,
                const EDatabaseError& error);

    TDataModule& FDM;
    const std::function<void(int)> FOnFailedRow;
    std::vector<TPositionRef> FRecent; //!< by tag, as far back as a block reaches
    TInsertBlock FOblim, FOblimD1;
};

//! Adds the OBLIM row of the output record, numbered seq, to the rows.
void ZapisVrsticeOblim(TDataModule& dm, TRowOutput& output, std::int64_t seq, TPositionRows& rows, int tag);
//! Adds the matching OBLIMD1 row, numbered seq.
void ZapisVrsticeOblimD1(TDataModule& dm, TRowOutput& output, std::int64_t seq, TPositionRows& rows, int tag);

//! Writes the OBLIM row of the output record at once.
void ZapisVrsticeOblim(TDataModule& dm, TRowOutput& output, std::int64_t seq);
//! Writes the matching OBLIMD1 row at once.
void ZapisVrsticeOblimD1(TDataModule& dm, TRowOutput& output, std::int64_t seq);
