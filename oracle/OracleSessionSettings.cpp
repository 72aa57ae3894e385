// Session settings sent as "alter session" statements (SQL trace, optimizer goal, isolation level),
// the preferences refused while connected, the connection check and the date text length.
#include "oracle/Oracle.h"

#include <algorithm>
#include <cstdio>

void TSessionPreferences::SetUseOCI7(bool value) {
    if (value != FUseOCI7 && FOwner.Connected())
        throw Exception("Cannot change UseOCI7 property when session is connected");
    FUseOCI7 = value;
}

void TSessionPreferences::SetConvertUTF(TConvertUTF value) {
    if (value != FConvertUTF && FOwner.Connected())
        throw Exception("Cannot change ConvertUTF property when session is connected");
    FConvertUTF = value;
}

void TOracleSession::RunSetting(const std::string& sql) {
    TOracleQuery query("Query");
    query.SetSession(this);
    query.SetSQLText(sql);
    query.Execute();
}

void TOracleSession::ApplyOptimizerGoal() {
    static const char* const goals[] = {"", "choose", "first_rows", "all_rows", "rule"};
    const std::string goal = goals[static_cast<int>(FOptimizerGoal)];
    try {
        RunSetting("alter session set optimizer_mode = " + goal);
    } catch (const EOracleError&) {
        // The retry keeps the same name: OCI8 connections have only the one setting.
        RunSetting("alter session set optimizer_mode = " + goal);
    }
}

void TOracleSession::ApplySettings() {
    if (FSQLTrace != TSQLTrace::stUnchanged)
        RunSetting(std::string("alter session set sql_trace = ") +
                   (FSQLTrace == TSQLTrace::stTrue ? "true" : "false"));
    if (FOptimizerGoal != TOptimizerGoal::ogUnchanged)
        ApplyOptimizerGoal();
    if (FIsolationLevel != TIsolationLevel::ilUnchanged)
        RunSetting(std::string("alter session set isolation_level = ") +
                   (FIsolationLevel == TIsolationLevel::ilReadCommitted ? "read committed" : "serializable"));
}

void TOracleSession::SetSQLTrace(TSQLTrace value) {
    FSQLTrace = value;
    if (FConnected && value != TSQLTrace::stUnchanged)
        RunSetting(std::string("alter session set sql_trace = ") +
                   (value == TSQLTrace::stTrue ? "true" : "false"));
}

void TOracleSession::SetOptimizerGoal(TOptimizerGoal value) {
    FOptimizerGoal = value;
    if (FConnected && value != TOptimizerGoal::ogUnchanged)
        ApplyOptimizerGoal();
}

void TOracleSession::SetIsolationLevel(TIsolationLevel value) {
    FIsolationLevel = value;
    if (FConnected && value != TIsolationLevel::ilUnchanged)
        RunSetting(std::string("alter session set isolation_level = ") +
                   (value == TIsolationLevel::ilReadCommitted ? "read committed" : "serializable"));
}

int TOracleSession::CheckConnection(bool reconnect) {
    if (!FConnected)
        return 1;
    try {
        RunSetting("select 'x' from dual");
        return 0;
    } catch (const EOracleError& e) {
        if (e.ErrorCode() == 1000 || e.ErrorCode() == 942)
            return 0;
    }
    try {
        LogOff();
    } catch (...) {
        // The connection is gone; its end cannot be reported.
    }
    if (!reconnect)
        return 1;
    LogOn();
    return 2;
}

int TOracleSession::DateFormatLength() {
    if (FDateFormatLength > 0)
        return FDateFormatLength;
    TOracleQuery query("DateFormatLengthQuery");
    query.SetSession(this);
    for (int month = 1; month <= 12; ++month) {
        char line[128];
        std::snprintf(line, sizeof line,
                      "select to_char(to_date('10-%d-1999 10:10:10', 'dd-mm-yyyy hh24:mi:ss')) from dual",
                      month);
        if (month > 1)
            query.SQL.push_back("union all");
        query.SQL.push_back(line);
    }
    int longest = 0;
    try {
        for (query.Execute(); !query.Eof(); query.Next())
            longest = std::max(longest, static_cast<int>(query.ColumnAsString(0).size()));
    } catch (const Exception&) {
        longest = 0;
    }
    FDateFormatLength = longest > 0 ? longest : 40;
    return FDateFormatLength;
}
