// What the layer has sent to the server since the process started: statements executed and
// commits. Read by the batch runner and its benchmark to weigh a run; nothing here resets them.
#pragma once

struct TOracleCounters {
    long long Statements = 0; //!< OCIStmtExecute calls, describes included
    long long Commits = 0;    //!< OCITransCommit calls plus executions that commit on success
};

TOracleCounters OracleCounters();

//! Called by the layer where it sends the statement or the commit.
void CountOracleStatement(bool commitsOnSuccess);
void CountOracleCommit();
