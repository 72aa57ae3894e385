// The statements of the run journal, the reconciliation and the comparison with their values bound
// by name: nothing from the run, a file or the database is spliced into them.
#pragma once

#include "oracle/Oracle.h"

#include <string>
#include <utility>
#include <vector>

using TJournalValues = std::vector<std::pair<std::string, TVariant>>;

class TJournalQuery {
public:
    explicit TJournalQuery(TOracleSession& session);
    //! Runs sql with those values it names, each bound as the kind of its value; a SELECT stands on
    //! its first row.
    void Run(const std::string& sql, const TJournalValues& values = {});
    //! The first column of a one-row SELECT as an integer (0 for NULL).
    long long Count(const std::string& sql, const TJournalValues& values);

    TOracleQuery Query{"Journal"};
};

//! Declares and assigns those of values that sql names, each as the kind of its value.
void BindJournalValues(TOracleQuery& query, const std::string& sql, const TJournalValues& values);

//! ORA-00942: the journal's tables are not in this schema.
bool IsMissingTable(const EOracleError& error);

//! The column's value as text, empty for NULL.
std::string ColumnText(const TOracleQuery& query, int index);
//! The column's value as a number, 0 for NULL.
double ColumnNumber(const TOracleQuery& query, int index);
