// The block is emptied before it is sent, so a failed INSERT is not sent again by a later Flush:
// the run rolls back as a whole.
#include "app/InsertBlock.h"

#include "app/StatementDump.h"

#include <algorithm>
#include <utility>

namespace {

bool AnyValue(const std::vector<TVariant>& column) {
    return std::any_of(column.begin(), column.end(), [](const TVariant& value) { return !value.IsNull(); });
}

} // namespace

TInsertBlock::TInsertBlock(TOracleSession* session, std::string table, std::vector<TInsertColumn> columns,
                           std::string dumpFile, TFailedRowEvent onFailedRow)
    : FSession(session), FTable(std::move(table)), FColumnDefs(std::move(columns)),
      FDumpFile(std::move(dumpFile)), FOnFailedRow(std::move(onFailedRow)), FColumns(FColumnDefs.size()) {}

// A full block goes out when the next row comes, so that the last block is always the one Flush
// sends, and only it is dumped: writing out every block's values cost more than sending them.
void TInsertBlock::AddRow(std::vector<TVariant> values, int tag) {
    if (FTags.size() >= InsertBlockRows)
        Send(false);
    for (std::size_t c = 0; c < FColumns.size(); ++c)
        FColumns[c].push_back(std::move(values[c]));
    FTags.push_back(tag);
}

void TInsertBlock::Flush() {
    Send(true);
}

void TInsertBlock::Send(bool dump) {
    if (FTags.empty())
        return;
    const std::vector<int> tags = std::exchange(FTags, {});
    std::vector<std::vector<TVariant>> columns(FColumns.size());
    columns.swap(FColumns);
    TOracleQuery insert("InsertBlock");
    insert.SetSession(FSession);
    std::string names, places;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (!AnyValue(columns[c]))
            continue;
        const std::string& name = FColumnDefs[c].Name;
        names += (names.empty() ? "" : ", ") + name;
        places += (places.empty() ? ":" : ", :") + name;
        insert.AddVariable(name, FColumnDefs[c].Type);
        insert.AssignVariableArray(name, columns[c]);
    }
    insert.SetSQLText("INSERT INTO " + FTable + " (" + names + ") VALUES (" + places + ")");
    if (dump)
        Dump(insert);
    try {
        insert.Execute();
    } catch (const EOracleError& error) {
        if (!dump)
            Dump(insert);
        RaiseFailedRow(error, tags, columns);
    }
}

void TInsertBlock::Dump(const TOracleQuery& insert) const {
    if (!FDumpFile.empty())
        SaveStatementText(FDumpFile, insert.PreparedText() + insert.VariablesText());
}

void TInsertBlock::RaiseFailedRow(const EOracleError& error, const std::vector<int>& tags,
                                  const std::vector<std::vector<TVariant>>& columns) const {
    std::string constraint;
    const EDatabaseError translated(TranslateOracleMessage(error.what(), error.ErrorCode(), constraint));
    const int row = error.ErrorRow();
    if (FOnFailedRow && row >= 0 && static_cast<std::size_t>(row) < tags.size()) {
        std::vector<TVariant> values;
        for (const std::vector<TVariant>& column : columns)
            values.push_back(column[static_cast<std::size_t>(row)]);
        FOnFailedRow(tags[static_cast<std::size_t>(row)], values, translated);
    }
    throw translated;
}
