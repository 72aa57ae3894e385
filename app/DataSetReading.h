// How a result dataset reads its rows for one step of the run: all at once or as they are reached,
// counted by the server or by what was read, packed until reached. The dataset's own settings come
// back with the scope's end.
#pragma once

#include "oracle/OracleData.h"

class TReadingScope {
public:
    TReadingScope(TOracleDataSet& dataSet, bool queryAll, bool countAll, bool packFetched = false)
        : FDataSet(dataSet), FQueryAll(dataSet.QueryAllRecords), FCountAll(dataSet.CountAllRecords),
          FPack(dataSet.PackFetchedRecords) {
        FDataSet.QueryAllRecords = queryAll;
        FDataSet.CountAllRecords = countAll;
        FDataSet.PackFetchedRecords = packFetched;
    }
    ~TReadingScope() {
        FDataSet.QueryAllRecords = FQueryAll;
        FDataSet.CountAllRecords = FCountAll;
        FDataSet.PackFetchedRecords = FPack;
    }
    TReadingScope(const TReadingScope&) = delete;
    TReadingScope& operator=(const TReadingScope&) = delete;

private:
    TOracleDataSet& FDataSet;
    const bool FQueryAll, FCountAll, FPack;
};
