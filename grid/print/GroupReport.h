// The work of the grouping form without its widgets: the source dataset, its one copy in a
// temporary table, the group and summary settings, the total marker, and the sort and group
// queries over the copy. The first query after Prepare copies the source; later ones reuse it.
// The copy lets window messages through; a query asked for while one runs is ignored, so the
// source is never copied twice.
#pragma once

#include "grid/print/GroupSettings.h"
#include "platform/localdb/temp/LocalQuery.h"
#include "platform/localdb/temp/TempTable.h"

#include <memory>
#include <string>

class TGroupReport {
public:
    //! Temporary tables in the process's private database.
    TGroupReport();
    //! Temporary tables in database, named after directory (tests use their own database).
    TGroupReport(TLocalDatabase& database, std::string directory);
    ~TGroupReport();

    //! Discards the previous copy and defines the temporary table for dataset's visible fields.
    void Prepare(TDataSet& dataSet);
    //! The default group and summary choice.
    void AutoSetup() { FSettings.AutoSetup(Temp()); }
    //! Rows in group order plus one total row, in Sorted(). Nothing while a query runs.
    void RunSortQuery();
    //! Subtotal rows per group level plus the grand total, in Grouped(). Nothing while a query runs.
    void RunGroupQuery();
    //! Whether the current record of Sorted() or Grouped() is a subtotal or the total: a group
    //! column holds its placeholder.
    bool IsTotalRow(const TDataSet& result) const;
    //! Whether a query (with its copy) is under way.
    bool Running() const { return FRunning; }
    //! Closes the queries and deletes the temporary table (the form is hidden).
    void Discard();

    TTempTable& Temp() const;
    TGroupSettings& Settings() { return FSettings; }
    TLocalQuery& Sorted() { return FSorted; }
    TLocalQuery& Grouped() { return FGrouped; }
    bool Copied() const { return FCopied; }
    //! The total-row marker shown in group columns; initially 33 "×".
    std::string& TotalMarker() { return FTotalMarker; }

private:
    void CopyOnce();
    void RunQuery(TLocalQuery& query, std::vector<std::string> text, bool groupQuery);

    TLocalDatabase& FDatabase;
    std::string FDirectory;
    TDataSet* FSource = nullptr;
    std::unique_ptr<TTempTable> FTemp;
    TGroupSettings FSettings;
    TLocalQuery FSorted;
    TLocalQuery FGrouped;
    bool FCopied = false;
    bool FRunning = false;
    std::string FTotalMarker;
};
