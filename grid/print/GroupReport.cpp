// Preparing the copy and running the two report queries.
#include "grid/print/GroupReport.h"

#include "grid/print/GroupResult.h"
#include "grid/print/LocalCopy.h"
#include "platform/localdb/temp/PrivateDatabase.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"

namespace {

std::string InitialMarker() {
    std::string marker;
    for (int i = 0; i < 33; ++i)
        marker += "×";
    return marker;
}

// Marks a query as running for its scope, exceptions included.
class TRunningScope {
public:
    explicit TRunningScope(bool& running) : FRunning(running) { FRunning = true; }
    ~TRunningScope() { FRunning = false; }
    TRunningScope(const TRunningScope&) = delete;
    TRunningScope& operator=(const TRunningScope&) = delete;

private:
    bool& FRunning;
};

} // namespace

TGroupReport::TGroupReport() : TGroupReport(PrivateDatabase(), PrivateDirectory()) {}

TGroupReport::TGroupReport(TLocalDatabase& database, std::string directory)
    : FDatabase(database), FDirectory(std::move(directory)), FSorted(database, "q"), FGrouped(database, "qG"),
      FTotalMarker(InitialMarker()) {}

TGroupReport::~TGroupReport() {
    try {
        Discard();
    } catch (...) {
        // A destructor cannot report; the private database goes with the process.
    }
}

TTempTable& TGroupReport::Temp() const {
    if (!FTemp)
        throw Exception("Za grupiranje ni pripravljenih podatkov");
    return *FTemp;
}

void TGroupReport::Prepare(TDataSet& dataSet) {
    if (FRunning)
        return; // the running copy still needs its table
    FCopied = false;
    FSource = &dataSet;
    FSorted.Close();
    FGrouped.Close();
    FSettings.Clear();
    FTemp.reset(); // closing deletes the previous table
    FSettings.SetShowSumOp(true);
    FTemp = std::make_unique<TTempTable>(FDatabase, FDirectory);
    DefineLocalFields(dataSet, FTemp->FieldDefs());
    FTemp->Open();
    TakeSourcePresentation(dataSet, *FTemp);
}

void TGroupReport::Discard() {
    FCopied = false;
    FGrouped.Close();
    FSorted.Close();
    FSettings.Clear();
    FTemp.reset();
}

void TGroupReport::CopyOnce() {
    if (FCopied)
        return;
    CopyToLocal(*FSource, Temp());
    FCopied = true;
}

void TGroupReport::RunQuery(TLocalQuery& query, std::vector<std::string> text, bool groupQuery) {
    query.Close();
    query.SQL() = std::move(text);
    query.ColumnTypes() = ResultColumnTypes(FSettings);
    query.Open();
    FormatResult(query, FSettings, groupQuery, &FTotalMarker);
}

void TGroupReport::RunSortQuery() {
    if (FRunning)
        return;
    TRunningScope running(FRunning);
    TWaitCursor cursor;
    CopyOnce();
    RunQuery(FSorted, SortQueryText(FSettings.GroupColumns(), FSettings.SumColumns(), Temp().QuotedName()),
             false);
}

void TGroupReport::RunGroupQuery() {
    if (FRunning)
        return;
    TRunningScope running(FRunning);
    TWaitCursor cursor;
    CopyOnce();
    RunQuery(FGrouped, GroupQueryText(FSettings.GroupColumns(), FSettings.SumColumns(), Temp().QuotedName()),
             true);
}

bool TGroupReport::IsTotalRow(const TDataSet& result) const {
    for (const TField* group : FSettings.Groups())
        if (const TField* cell = result.FindField(group->FieldName()); cell && IsPlaceholder(*cell))
            return true;
    return false;
}
