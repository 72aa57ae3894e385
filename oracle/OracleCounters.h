// What the layer has sent to the server since the process started: statements executed and
// commits, and the round trips the client library counted. Read by the batch runner and its
// benchmark to weigh a run; nothing here resets them.
#pragma once

struct TOracleCounters {
    long long Statements = 0; //!< OCIStmtExecute calls, describes included
    long long Commits = 0;    //!< OCITransCommit calls plus executions that commit on success
    //! The client library's count of round trips (the embedded engine's ocisqlite_round_trips);
    //! -1 when the loaded library keeps none, as Oracle's client.
    long long RoundTrips = -1;
};

TOracleCounters OracleCounters();

//! Called by the layer where it sends the statement or the commit.
void CountOracleStatement(bool commitsOnSuccess);
void CountOracleCommit();
