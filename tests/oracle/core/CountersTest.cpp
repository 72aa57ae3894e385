// The layer's counters of statements and commits: each execution counts once, a describe too, and a
// commit counts only when the session is connected to send it. The round trips the engine counts
// follow an Oracle client's: prefetched rows serve fetch calls without one.
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

TEST_F(CountersTest, RoundTripsAreSavedByPrefetchedRows) {
    LogOn(Session);
    Run(Session, {"create table r (n number(9))"});
    TOracleQuery insert;
    insert.SetSession(&Session);
    insert.SetSQLText("insert into r values (:n)");
    insert.AddVariable("n", otType::otInteger);
    std::vector<TVariant> numbers;
    for (int n = 1; n <= 25; ++n)
        numbers.push_back(TVariant::FromInteger(n));
    insert.AssignVariableArray("n", numbers);
    insert.Execute();
    const struct {
        int rows, prefetch, readBuffer;
        long long roundTrips;
    } cases[] = {
        {25, 500, 25, 1}, // the execute brings every row and the news that no more follow
        {0, 500, 25, 1},  // an empty result too
        {7, 2, 3, 3},     // the execute brings 2; each fetch the held rows cannot serve is a trip
        {25, 0, 25, 3},   // no prefetch: every batch is a trip, and a full last one needs one more
    };
    for (const auto& c : cases) {
        TOracleQuery query;
        query.SetSession(&Session);
        query.SetSQLText("select n from r where n <= " + std::to_string(c.rows));
        query.PrefetchRows = c.prefetch;
        query.ReadBuffer = c.readBuffer;
        const long long before = OracleCounters().RoundTrips;
        int rows = 0;
        for (query.Execute(); !query.Eof(); query.Next())
            ++rows;
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(OracleCounters().RoundTrips - before, c.roundTrips)
            << c.rows << " rows, prefetch " << c.prefetch;
    }

    const long long before = OracleCounters().RoundTrips;
    Session.Commit();
    Session.Rollback();
    EXPECT_EQ(OracleCounters().RoundTrips - before, 2);
    Session.SetAutoCommit(true);
    Run(Session, {"insert into r values (26)"}); // the commit travels with the execute
    EXPECT_EQ(OracleCounters().RoundTrips - before, 3);
}

TEST_F(CountersTest, CommitOfADisconnectedSessionIsNotCounted) {
    TOracleSession idle;
    const long long before = OracleCounters().Commits;
    idle.Commit();
    EXPECT_EQ(OracleCounters().Commits, before);
}

} // namespace
