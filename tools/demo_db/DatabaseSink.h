// The sink that writes generated rows into the database: one TTableWriter per table, created on the
// table's first row, a commit every few thousand rows, and a count of the rows of each table.
// Progress goes to stderr every 100,000 rows when asked for.
#pragma once

#include "tools/demo_db/DemoRows.h"
#include "tools/demo_db/TableWriter.h"

#include <map>
#include <memory>

class TDatabaseSink : public TDemoSink {
public:
    TDatabaseSink(TOracleSession& session, bool showProgress)
        : session_(session), showProgress_(showProgress) {}

    void Add(const TDemoTable& table, const std::vector<TDemoValue>& values) override;
    // Commits the rows not yet committed.
    void Finish();
    const std::map<std::string, long long>& RowsPerTable() const { return rows_; }

private:
    TOracleSession& session_;
    bool showProgress_;
    std::map<std::string, std::unique_ptr<TTableWriter>> writers_;
    std::map<std::string, long long> rows_;
    long long total_ = 0;
};
