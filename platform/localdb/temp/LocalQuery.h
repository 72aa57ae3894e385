// A read-only query over the local database: its text as lines, its records read at once. Result
// columns take the types the caller names for them (else the kind of their first value). The
// text's month/day/year literals ('03/10/2999', '03/10/2999 10:10:10') are read as those dates,
// and date columns read the stored date texts back as dates.
#pragma once

#include "platform/dataset/MemDataSet.h"
#include "platform/localdb/LocalDatabase.h"

#include <string>
#include <vector>

class TLocalQuery : public TMemDataSet {
public:
    explicit TLocalQuery(TLocalDatabase& database, std::string name = "q");
    ~TLocalQuery() override;

    //! The query text, one line per item; joined with line breaks when opened.
    std::vector<std::string>& SQL() { return FSQL; }
    const std::vector<std::string>& SQL() const { return FSQL; }
    std::string Text() const;
    //! The types of result columns by name.
    TFieldDefs& ColumnTypes() { return FColumnTypes; }

protected:
    void InternalOpen() override;

private:
    TLocalDatabase& FDatabase;
    std::vector<std::string> FSQL;
    TFieldDefs FColumnTypes;
};
