// Logging on without a dialog and running a script statement by statement.
#include "SqlConsole.h"

#include "RowPrinter.h"
#include "ScriptReader.h"
#include "oracle/OracleLogon.h"

bool TSqlConsole::LogOn(const std::string& connectString) {
    const TConnectString parts = ParseConnectString(connectString);
    FSession.LogonUsername = parts.Username;
    FSession.LogonPassword = parts.Password;
    FSession.LogonDatabase = parts.Database;
    FSession.ConnectAs = ConnectAsFromText(parts.Role);
    TOracleLogon logon;
    logon.Session = &FSession;
    logon.Retries = 0;
    logon.Execute();
    return FSession.Connected();
}

void TSqlConsole::RunStatement(const std::string& sql) {
    TOracleQuery query("Query");
    query.SetSession(&FSession);
    query.SetSQLText(sql);
    query.Execute();
    if (query.SQLType() == TSQLKind::Select)
        PrintRows(query, FOut);
}

int TSqlConsole::RunScript(std::istream& input, bool stopOnError) {
    TScriptReader reader(input);
    std::string statement;
    while (reader.Next(statement)) {
        try {
            RunStatement(statement);
        } catch (const Exception& error) {
            FErrors << error.what() << '\n';
            if (stopOnError)
                return TConsoleExit::StoppedOnError;
        }
    }
    FSession.Commit();
    return TConsoleExit::Completed;
}
