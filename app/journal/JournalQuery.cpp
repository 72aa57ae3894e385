// Each statement is parsed afresh; the journal sends a handful per run, so there is nothing to keep.
#include "app/journal/JournalQuery.h"

#include "oracle/OracleTypes.h"

namespace {

int BindType(const TVariant& value) {
    using namespace otType;
    switch (value.Kind()) {
    case TVarKind::Integer:
        return otInteger;
    case TVarKind::Float:
        return otFloat;
    case TVarKind::DateTime:
        return otDate;
    default:
        return otString;
    }
}

} // namespace

// Only what the text names is bound: a value it does not use would be refused.
void BindJournalValues(TOracleQuery& query, const std::string& sql, const TJournalValues& values) {
    query.DeleteVariables();
    for (const auto& [name, position] : TOracleQuery::FindVariables(sql, true))
        for (const auto& [valueName, value] : values)
            if (valueName == name) {
                query.AddVariable(name, BindType(value));
                query.AssignVariable(name, value);
            }
}

TJournalQuery::TJournalQuery(TOracleSession& session) {
    Query.SetSession(&session);
}

void TJournalQuery::Run(const std::string& sql, const TJournalValues& values) {
    Query.CloseStatement();
    Query.SetSQLText(sql);
    BindJournalValues(Query, sql, values);
    Query.Execute();
}

long long TJournalQuery::Count(const std::string& sql, const TJournalValues& values) {
    Run(sql, values);
    return Query.Eof() || Query.ColumnIsNull(0) ? 0 : static_cast<long long>(Query.ColumnAsFloat(0));
}

bool IsMissingTable(const EOracleError& error) {
    return error.ErrorCode() == 942;
}

std::string ColumnText(const TOracleQuery& query, int index) {
    return query.ColumnIsNull(index) ? std::string() : query.ColumnAsString(index);
}

double ColumnNumber(const TOracleQuery& query, int index) {
    return query.ColumnIsNull(index) ? 0 : query.ColumnAsFloat(index);
}
