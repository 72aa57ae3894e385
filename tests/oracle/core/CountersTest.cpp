// The layer's counters of statements and commits: each execution counts once, a describe too, and a
// commit counts only when the session is connected to send it.
#include "EngineFixture.h"

#include "oracle/OracleCounters.h"

using namespace oracletest;

namespace {

class CountersTest : public EngineTest {};

TEST_F(CountersTest, EachExecutionAndEachCommitCountsOnce) {
    LogOn(Session);
    TOracleQuery query;
    query.SetSession(&Session);
    query.SetSQLText("CREATE TABLE T (A NUMBER)");
    const TOracleCounters before = OracleCounters();
    query.Execute();
    Session.Commit();
    TOracleCounters after = OracleCounters();
    EXPECT_EQ(after.Statements - before.Statements, 1);
    EXPECT_EQ(after.Commits - before.Commits, 1);

    Session.SetAutoCommit(true);
    query.SetSQLText("INSERT INTO T (A) VALUES (1)");
    query.Execute();
    EXPECT_EQ(OracleCounters().Statements - after.Statements, 1);
    EXPECT_EQ(OracleCounters().Commits - after.Commits, 1);
}

TEST_F(CountersTest, CommitOfADisconnectedSessionIsNotCounted) {
    TOracleSession idle;
    const long long before = OracleCounters().Commits;
    idle.Commit();
    EXPECT_EQ(OracleCounters().Commits, before);
}

} // namespace
