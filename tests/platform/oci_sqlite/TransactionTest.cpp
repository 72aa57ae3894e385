// Oracle's transaction rules on the engine, seen through two sessions on one file: what a session
// sees of its own and others' changes, savepoints, statement-level undo, DDL's implicit commit,
// lock waits ending in ORA-00054, and cursors that outlive a commit or rollback.
#include "OciClient.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

using namespace ocitest;

namespace {

class OciTransaction : public testing::Test {
protected:
    void SetUp() override {
        setenv("OCISQLITE_BUSY_TIMEOUT_MS", "300", 1);
        path = CreateTestDatabase("tx");
        ASSERT_EQ(first.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(second.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(first.Run("CREATE TABLE t (id NUMBER(9) PRIMARY KEY, name VARCHAR2(30))").status,
                  OCI_SUCCESS);
    }
    static size_t Count(Client& client) { return client.Query("SELECT id FROM t").size(); }
    OciStatus Insert(Client& client, int id) {
        return client.Run("INSERT INTO t (id, name) VALUES (:id, :name)",
                          {{"id", std::to_string(id)}, {"name", "row " + std::to_string(id)}});
    }

    std::string path;
    Client first, second;
};

TEST_F(OciTransaction, OthersSeeOnlyCommittedRowsASessionSeesItsOwn) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    EXPECT_EQ(Count(first), 1u);
    EXPECT_EQ(Count(second), 0u);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(Count(second), 1u);
}

TEST_F(OciTransaction, RollbackUndoesTheWholeTransaction) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(Insert(first, 2).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("DELETE FROM t WHERE id = 1").status, OCI_SUCCESS);
    ASSERT_EQ(first.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(first.Query("SELECT id FROM t"), (Rows{{"1"}}));
}

TEST_F(OciTransaction, CommitAndRollbackStatementsActLikeTheCalls) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("COMMIT").status, OCI_SUCCESS);
    ASSERT_EQ(Insert(first, 2).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("ROLLBACK").status, OCI_SUCCESS);
    EXPECT_EQ(second.Query("SELECT id FROM t"), (Rows{{"1"}}));
}

TEST_F(OciTransaction, FailedStatementIsUndoneAloneAndTheTransactionGoesOn) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    EXPECT_EQ(Insert(first, 1).code, 1);
    ASSERT_EQ(Insert(first, 2).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(Count(second), 2u);
}

TEST_F(OciTransaction, SavepointsRollBackPartOfATransaction) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("SAVEPOINT a").status, OCI_SUCCESS);
    ASSERT_EQ(Insert(first, 2).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("SAVEPOINT b").status, OCI_SUCCESS);
    ASSERT_EQ(Insert(first, 3).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("ROLLBACK TO SAVEPOINT a").status, OCI_SUCCESS);
    // b went with the rollback to a; a itself stays
    const OciStatus unknown = first.Run("ROLLBACK TO b");
    EXPECT_EQ(unknown.text, "ORA-01086: savepoint 'B' never established in this session or is invalid");
    ASSERT_EQ(Insert(first, 4).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("ROLLBACK TO a").status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(second.Query("SELECT id FROM t"), (Rows{{"1"}}));
}

TEST_F(OciTransaction, SavepointSetAgainMovesAndKeepsWhatCameBefore) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    for (int id = 2; id <= 4; ++id) {
        ASSERT_EQ(first.Run("SAVEPOINT a").status, OCI_SUCCESS);
        ASSERT_EQ(Insert(first, id).status, OCI_SUCCESS);
    }
    ASSERT_EQ(first.Run("SAVEPOINT b").status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("SAVEPOINT a").status, OCI_SUCCESS);
    ASSERT_EQ(Insert(first, 5).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("ROLLBACK TO a").status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("ROLLBACK TO b").status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(second.Query("SELECT id FROM t ORDER BY id"), (Rows{{"1"}, {"2"}, {"3"}, {"4"}}));
}

TEST_F(OciTransaction, SavepointNamesDoNotSurviveCommit) {
    ASSERT_EQ(first.Run("SAVEPOINT QEL__LOCKPOINT").status, OCI_SUCCESS);
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(first.Run("rollback to savepoint QEL__LOCKPOINT").code, 1086);
}

TEST_F(OciTransaction, FailedPostUnderASavepointHoldsNoLock) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
    EXPECT_EQ(Insert(first, 1).code, 1);
    ASSERT_EQ(first.Run("rollback to savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
    EXPECT_EQ(Insert(second, 2).status, OCI_SUCCESS); // the first session left the lock free
    ASSERT_EQ(second.Commit().status, OCI_SUCCESS);
    // and its savepoint still stands
    ASSERT_EQ(Insert(first, 3).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("rollback to savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(first.Query("SELECT id FROM t ORDER BY id"), (Rows{{"1"}, {"2"}}));
}

TEST_F(OciTransaction, CommitOnSuccessModeCommits) {
    ASSERT_EQ(first.Run("INSERT INTO t (id) VALUES (1)", {}, OCI_COMMIT_ON_SUCCESS).status, OCI_SUCCESS);
    EXPECT_EQ(Count(second), 1u);
}

TEST_F(OciTransaction, DdlCommitsTheOpenTransactionFirst) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("CREATE TABLE u (id NUMBER(9))").status, OCI_SUCCESS);
    ASSERT_EQ(first.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(Count(second), 1u);
}

TEST_F(OciTransaction, SecondWriterWaitsThenGetsOra00054) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    const OciStatus blocked = Insert(second, 2);
    EXPECT_EQ(blocked.status, OCI_ERROR);
    EXPECT_EQ(blocked.text, "ORA-00054: resource busy and acquire with NOWAIT specified or timeout expired");
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(Insert(second, 2).status, OCI_SUCCESS); // the lock is free again
    ASSERT_EQ(second.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(Count(first), 2u);
}

TEST_F(OciTransaction, EndingASessionWithoutCommitRollsBack) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    first.Logoff();
    EXPECT_EQ(Count(second), 0u);
    EXPECT_EQ(Insert(second, 2).status, OCI_SUCCESS); // and released the lock
}

TEST_F(OciTransaction, FreeingTheSessionHandleWithoutEndRollsBack) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.oci.OCIHandleFree(first.session, OCI_HTYPE_SESSION), OCI_SUCCESS);
    first.oci.OCIHandleAlloc(first.env, reinterpret_cast<void**>(&first.session), OCI_HTYPE_SESSION, 0,
                             nullptr);
    EXPECT_EQ(Count(second), 0u);
    EXPECT_EQ(Insert(second, 2).status, OCI_SUCCESS);
}

TEST_F(OciTransaction, OpenCursorKeepsFetchingAfterCommitAndRollback) {
    for (int id = 1; id <= 3; ++id)
        ASSERT_EQ(Insert(first, id).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    Statement query(first, "SELECT id FROM t ORDER BY id");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    int id = 0;
    OCIDefine* define = nullptr;
    first.oci.OCIDefineByPos(query.stmt, &define, first.err, 1, &id, sizeof id, SQLT_INT, nullptr, nullptr,
                             nullptr, OCI_DEFAULT);
    ASSERT_EQ(first.oci.OCIStmtFetch2(query.stmt, first.err, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id, 1);
    ASSERT_EQ(first.Run("DELETE FROM t WHERE id = 2").status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(first.oci.OCIStmtFetch2(query.stmt, first.err, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id, 2); // the cursor reads the state it was opened on
    ASSERT_EQ(Insert(first, 9).status, OCI_SUCCESS);
    ASSERT_EQ(first.Rollback().status, OCI_SUCCESS);
    ASSERT_EQ(first.oci.OCIStmtFetch2(query.stmt, first.err, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(id, 3);
    EXPECT_EQ(first.oci.OCIStmtFetch2(query.stmt, first.err, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_NO_DATA);
}

} // namespace

// Two sessions that read a row to change it: the second to lock waits or, with NOWAIT, is refused,
// until the first commits or rolls back; so neither overwrites what the other wrote.
TEST_F(OciTransaction, SelectForUpdateLocksUntilTheTransactionEnds) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    const std::string lock = "SELECT name FROM t WHERE id = 1 FOR UPDATE";
    ASSERT_EQ(first.Run(lock + " NOWAIT").status, OCI_SUCCESS);
    for (const std::string& blocked :
         {lock + " NOWAIT", lock, lock + " WAIT 0", std::string("DELETE FROM t")})
        EXPECT_EQ(second.Run(blocked).code, 54) << blocked;
    EXPECT_EQ(Count(second), 1u); // plain reads go on, and so do changes of other tables
    ASSERT_EQ(second.Run("CREATE TABLE other (n NUMBER)").status, OCI_SUCCESS);
    EXPECT_EQ(second.Run("INSERT INTO other (n) VALUES (1)", {}, OCI_COMMIT_ON_SUCCESS).status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("UPDATE t SET name = 'first' WHERE id = 1").status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);

    ASSERT_EQ(second.Run(lock + " NOWAIT").status, OCI_SUCCESS);
    EXPECT_EQ(second.Query(lock), (Rows{{"first"}})); // what the first committed, to build on
    EXPECT_EQ(first.Run(lock + " NOWAIT").code, 54);
    ASSERT_EQ(second.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(first.Run(lock + " NOWAIT").status, OCI_SUCCESS);
}

// A table lock needs no privilege beyond the table's own: it keeps a second locker and every change
// of the table out until the holder's transaction ends, and names a missing table as Oracle does.
TEST_F(OciTransaction, LockTableHoldsTheTableUntilTheTransactionEnds) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("LOCK TABLE t IN EXCLUSIVE MODE NOWAIT").status, OCI_SUCCESS);
    for (const char* blocked :
         {"LOCK TABLE t IN EXCLUSIVE MODE NOWAIT", "LOCK TABLE t IN SHARE MODE WAIT 0", "DELETE FROM t"})
        EXPECT_EQ(second.Run(blocked).code, 54) << blocked;
    EXPECT_EQ(Count(second), 1u);
    ASSERT_EQ(first.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(second.Run("LOCK TABLE t IN EXCLUSIVE MODE").status, OCI_SUCCESS);
    EXPECT_EQ(second.Run("LOCK TABLE nothing IN EXCLUSIVE MODE NOWAIT").code, 942);
    EXPECT_EQ(second.Run("LOCK TABLE t EXCLUSIVE").code, 905);
}

TEST_F(OciTransaction, WaitingForUpdateGetsTheLockWhenTheHolderCommits) {
    setenv("OCISQLITE_BUSY_TIMEOUT_MS", "10000", 1);
    Client holder, waiter;
    ASSERT_EQ(holder.Logon(path).status, OCI_SUCCESS);
    ASSERT_EQ(waiter.Logon(path).status, OCI_SUCCESS);
    setenv("OCISQLITE_BUSY_TIMEOUT_MS", "300", 1);
    ASSERT_EQ(Insert(holder, 1).status, OCI_SUCCESS);
    ASSERT_EQ(holder.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(holder.Run("SELECT id FROM t FOR UPDATE").status, OCI_SUCCESS);
    OciStatus waited;
    std::thread thread([&] { waited = waiter.Run("SELECT id FROM t FOR UPDATE"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_EQ(holder.Commit().status, OCI_SUCCESS);
    thread.join();
    EXPECT_EQ(waited.status, OCI_SUCCESS) << waited.text;
}

// A block changes data under the same table locks as the statements it holds would take alone.
TEST_F(OciTransaction, ChangesInsideABlockWaitForLockedTables) {
    ASSERT_EQ(Insert(first, 1).status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("SELECT id FROM t FOR UPDATE").status, OCI_SUCCESS);
    for (const char* block :
         {"BEGIN UPDATE t SET name = 'lost' WHERE id = 1; END;", "BEGIN DELETE FROM t; END;",
          "BEGIN INSERT INTO t (id) VALUES (2); END;",
          "DECLARE n VARCHAR2(30); BEGIN SELECT name INTO n FROM t FOR UPDATE NOWAIT; END;"})
        EXPECT_EQ(second.Run(block).code, 54) << block;
    ASSERT_EQ(first.Run("UPDATE t SET name = 'kept' WHERE id = 1").status, OCI_SUCCESS);
    ASSERT_EQ(first.Commit().status, OCI_SUCCESS);
    ASSERT_EQ(second.Run("DECLARE n VARCHAR2(30); BEGIN SELECT name INTO n FROM t FOR UPDATE; END;").status,
              OCI_SUCCESS);
    EXPECT_EQ(first.Run("SELECT id FROM t FOR UPDATE NOWAIT").code, 54); // the block's lock outlives it
    ASSERT_EQ(second.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(second.Query("SELECT name FROM t"), (Rows{{"kept"}}));
}

// Two sessions that wait for each other, through two tables or through the file's one writer: the
// session whose wait closes the cycle gets ORA-00060 at once, with only that statement undone; once
// it commits, the other gets its lock. Whichever of the two comes second is refused.
TEST_F(OciTransaction, DeadlockIsRefusedInOneSessionAndTheOtherGoesOn) {
    setenv("OCISQLITE_BUSY_TIMEOUT_MS", "60000", 1); // a deadlock must not end by the wait running out
    ASSERT_EQ(first.Run("CREATE TABLE u (n NUMBER)").status, OCI_SUCCESS);
    ASSERT_EQ(first.Run("CREATE TABLE v (n NUMBER)").status, OCI_SUCCESS);
    struct Case {
        const char *firstHolds, *secondHolds, *firstWants, *secondWants;
    };
    for (const Case& c : {Case{"SELECT id FROM t FOR UPDATE", "SELECT n FROM u FOR UPDATE",
                               "UPDATE u SET n = 2", "DELETE FROM t"},
                          Case{"SELECT id FROM t FOR UPDATE", "INSERT INTO u (n) VALUES (1)",
                               "INSERT INTO v (n) VALUES (1)", "UPDATE t SET name = 'x'"}}) {
        ASSERT_NE(first.Run(c.firstHolds).status, OCI_ERROR); // no rows to lock: OCI_NO_DATA
        ASSERT_NE(second.Run(c.secondHolds).status, OCI_ERROR);
        const auto wantAndCommit = [](Client& client, const char* sql) {
            const OciStatus status = client.Run(sql);
            client.Commit();
            return status;
        };
        OciStatus firstGot;
        std::thread thread([&] { firstGot = wantAndCommit(first, c.firstWants); });
        const OciStatus secondGot = wantAndCommit(second, c.secondWants);
        thread.join();
        const OciStatus& refused = firstGot.code == 60 ? firstGot : secondGot;
        const OciStatus& served = firstGot.code == 60 ? secondGot : firstGot;
        EXPECT_EQ(refused.text, "ORA-00060: deadlock detected while waiting for resource") << c.secondWants;
        EXPECT_EQ(served.status, OCI_SUCCESS) << served.text;
    }
    EXPECT_EQ(first.Query("SELECT n FROM u"), (Rows{{"1"}})); // what the refused session did before stays
}
