// Rows of one table gathered and sent as one array INSERT, so that many rows cost one round trip
// instead of a savepoint and an INSERT each. A column no row of a block has a value for is left
// out of its INSERT, as a posted row leaves out its empty fields.
#pragma once

#include "oracle/OracleData.h"

#include <functional>
#include <string>
#include <vector>

//! The most rows one INSERT sends.
constexpr std::size_t InsertBlockRows = 1000;

class TInsertBlock {
public:
    //! A failing row: the tag it was added with, its values and the error about to be raised. The
    //! handler may raise an error of its own instead.
    using TFailedRowEvent =
        std::function<void(int tag, const std::vector<TVariant>& values, const EDatabaseError& error)>;

    //! Given a dumpFile, the last INSERT's text and values, or a refused one's, are saved there.
    TInsertBlock(TOracleSession* session, std::string table, std::vector<TInsertColumn> columns,
                 std::string dumpFile = {}, TFailedRowEvent onFailedRow = {});
    //! One row's values in the columns' order; sends the block before it would overflow.
    void AddRow(std::vector<TVariant> values, int tag);
    //! Sends the rows gathered so far.
    void Flush();
    //! The tag of the oldest row not yet sent; -1 when none waits.
    int OldestPendingTag() const { return FTags.empty() ? -1 : FTags.front(); }

private:
    void Send(bool dump);
    void Dump(const TOracleQuery& insert) const;
    void RaiseFailedRow(const EOracleError& error, const std::vector<int>& tags,
                        const std::vector<std::vector<TVariant>>& columns) const;

    TOracleSession* const FSession;
    const std::string FTable;
    const std::vector<TInsertColumn> FColumnDefs;
    const std::string FDumpFile;
    const TFailedRowEvent FOnFailedRow;
    std::vector<std::vector<TVariant>> FColumns;
    std::vector<int> FTags;
};
