// A check that a demo database feeds the transfer run: the run's own extraction statement over it,
// counted by account class; and a reader of a query's rows as texts for the check.
#include "tools/demo_db/ExtractionCheck.h"

#include "app/SourceExtraction.h"

std::vector<std::vector<std::string>> QueryRows(TOracleSession& session, const std::string& sql) {
    TOracleQuery query("Check");
    query.SetSession(&session);
    query.SetSQLText(sql);
    query.Execute();
    std::vector<std::vector<std::string>> rows;
    for (; !query.Eof(); query.Next()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int i = 0; i < query.ColumnCount(); ++i)
            row.push_back(query.ColumnAsString(i));
    }
    return rows;
}

std::map<std::string, int> ExtractedRowsByClass(TOracleSession& session, TDateTime day) {
    QueryRows(session, "ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
    std::map<std::string, int> counts;
    for (const auto& row : QueryRows(session, ExtractionStatement(day)))
        ++counts[row[47]]; // VKNT is the 48th column of both branches
    return counts;
}
