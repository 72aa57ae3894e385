// Writes the rows of one table through one INSERT statement of the data access layer: its
// variables are declared once, each row's values assigned by column name and the statement executed.
// The caller commits.
#pragma once

#include "oracle/Oracle.h"
#include "tools/demo_db/DemoRows.h"

#include <vector>

class TTableWriter {
public:
    TTableWriter(TOracleSession& session, const TDemoTable& table);

    void Write(const std::vector<TDemoValue>& values);

private:
    // A variable is declared with the kind of its value; NULL keeps whatever kind it had.
    void Declare(size_t column, int type);

    const TDemoTable& table_;
    TOracleQuery query_;
    std::vector<int> types_;
};
