// The engine when the disk fails under it: a default VFS that wraps the real one and refuses writes
// on demand (as a full disk does) stands under every session of this process. Whatever SQLite
// undoes, the session must know it, keep no change it reported as kept, and never fall back to
// committing statement by statement.
#include "OciClient.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace ocitest;

namespace {

// Writes fail with SQLITE_FULL while failWrites is set.
struct FailingVfs {
    static inline sqlite3_vfs* real = nullptr;
    static inline bool failWrites = false;
    static inline sqlite3_io_methods methods{};

    struct File {
        sqlite3_file base;
        sqlite3_file* inner() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    };
    static sqlite3_file* Inner(sqlite3_file* f) { return reinterpret_cast<File*>(f)->inner(); }

    static int Write(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
        return failWrites ? SQLITE_FULL : Inner(f)->pMethods->xWrite(Inner(f), data, amount, offset);
    }
    static int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
        File* file = reinterpret_cast<File*>(f);
        file->base.pMethods = nullptr;
        const int rc = real->xOpen(real, name, file->inner(), flags, outFlags);
        if (rc != SQLITE_OK || !file->inner()->pMethods)
            return rc;
        // Every call goes on to the file's own methods, whichever kind of file it is.
        if (methods.iVersion == 0) {
            methods.iVersion = 3;
            methods.xClose = [](sqlite3_file* g) { return Inner(g)->pMethods->xClose(Inner(g)); };
            methods.xRead = [](sqlite3_file* g, void* p, int n, sqlite3_int64 o) {
                return Inner(g)->pMethods->xRead(Inner(g), p, n, o);
            };
            methods.xWrite = Write;
            methods.xTruncate = [](sqlite3_file* g, sqlite3_int64 s) {
                return Inner(g)->pMethods->xTruncate(Inner(g), s);
            };
            methods.xSync = [](sqlite3_file* g, int fl) { return Inner(g)->pMethods->xSync(Inner(g), fl); };
            methods.xFileSize = [](sqlite3_file* g, sqlite3_int64* s) {
                return Inner(g)->pMethods->xFileSize(Inner(g), s);
            };
            methods.xLock = [](sqlite3_file* g, int l) { return Inner(g)->pMethods->xLock(Inner(g), l); };
            methods.xUnlock = [](sqlite3_file* g, int l) { return Inner(g)->pMethods->xUnlock(Inner(g), l); };
            methods.xCheckReservedLock = [](sqlite3_file* g, int* r) {
                return Inner(g)->pMethods->xCheckReservedLock(Inner(g), r);
            };
            methods.xFileControl = [](sqlite3_file* g, int op, void* a) {
                return Inner(g)->pMethods->xFileControl(Inner(g), op, a);
            };
            methods.xSectorSize = [](sqlite3_file* g) { return Inner(g)->pMethods->xSectorSize(Inner(g)); };
            methods.xDeviceCharacteristics = [](sqlite3_file* g) {
                return Inner(g)->pMethods->xDeviceCharacteristics(Inner(g));
            };
            methods.xShmMap = [](sqlite3_file* g, int i, int s, int e, void volatile** p) {
                return Inner(g)->pMethods->xShmMap(Inner(g), i, s, e, p);
            };
            methods.xShmLock = [](sqlite3_file* g, int o, int n, int fl) {
                return Inner(g)->pMethods->xShmLock(Inner(g), o, n, fl);
            };
            methods.xShmBarrier = [](sqlite3_file* g) { Inner(g)->pMethods->xShmBarrier(Inner(g)); };
            methods.xShmUnmap = [](sqlite3_file* g, int d) {
                return Inner(g)->pMethods->xShmUnmap(Inner(g), d);
            };
            methods.xFetch = [](sqlite3_file* g, sqlite3_int64 o, int n, void** p) {
                return Inner(g)->pMethods->xFetch(Inner(g), o, n, p);
            };
            methods.xUnfetch = [](sqlite3_file* g, sqlite3_int64 o, void* p) {
                return Inner(g)->pMethods->xUnfetch(Inner(g), o, p);
            };
        }
        file->base.pMethods = &methods;
        return rc;
    }
    static void Install() {
        if (real)
            return;
        real = sqlite3_vfs_find(nullptr);
        static sqlite3_vfs vfs = *real;
        vfs.zName = "failing";
        vfs.szOsFile = static_cast<int>(sizeof(File)) + real->szOsFile;
        vfs.xOpen = Open;
        sqlite3_vfs_register(&vfs, 1);
    }
};

class OciDiskFault : public testing::Test {
protected:
    void SetUp() override {
        FailingVfs::Install();
        path = CreateTestDatabase("fault");
        ASSERT_EQ(session.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(session.Run("CREATE TABLE t (id NUMBER(9) PRIMARY KEY, pad VARCHAR2(4000))").status,
                  OCI_SUCCESS);
        ASSERT_EQ(session.Run("CREATE TABLE src (n NUMBER(9))").status, OCI_SUCCESS);
        for (int n = 1; n <= 40; ++n)
            ASSERT_EQ(session.Run("INSERT INTO src (n) VALUES (" + std::to_string(n) + ")").status,
                      OCI_SUCCESS);
        ASSERT_EQ(Insert(1).status, OCI_SUCCESS);
        ASSERT_EQ(session.Commit().status, OCI_SUCCESS);
        ASSERT_EQ(Insert(2).status, OCI_SUCCESS); // uncommitted when the disk fills
    }
    void TearDown() override { FailingVfs::failWrites = false; }
    OciStatus Insert(int id) { return session.Run("INSERT INTO t (id) VALUES (" + std::to_string(id) + ")"); }
    // A statement large enough (about 38 MB) that SQLite must write pages out of its cache before
    // the commit.
    OciStatus BigInsert() {
        return session.Run("INSERT INTO t (id, pad) SELECT 1000 + a.n * 10000 + b.n * 100 + c.n, '" +
                           std::string(3000, 'x') + "' FROM src a, src b, src c WHERE c.n <= 8");
    }
    Rows Ids() {
        Client other;
        other.Logon(path);
        return other.Query("SELECT id FROM t ORDER BY id");
    }

    std::string path;
    Client session;
};

// Whatever the failure undid, the error says so: ORA-02091 when the whole transaction is gone, the
// statement's own error when only the statement was undone. Either way what follows is one
// transaction again, which ROLLBACK undoes and COMMIT keeps.
struct FaultCase {
    const char* name;
    bool failAtCommit;
    bool endWithCommit;
};

class OciDiskFaultCases : public OciDiskFault, public testing::WithParamInterface<FaultCase> {};

TEST_P(OciDiskFaultCases, SessionKnowsWhatWasUndoneAndKeepsItsTransaction) {
    const FaultCase c = GetParam();
    FailingVfs::failWrites = true;
    const OciStatus failed = c.failAtCommit ? session.Commit() : BigInsert();
    FailingVfs::failWrites = false;
    ASSERT_EQ(failed.status, OCI_ERROR);
    EXPECT_NE(failed.code, 600) << failed.text;
    const bool transactionLost = failed.code == 2091;
    EXPECT_TRUE(transactionLost || failed.text.find("ORA-01114") == 0) << failed.text;

    ASSERT_EQ(Insert(3).status, OCI_SUCCESS);
    EXPECT_EQ(Ids().size(), 1u) << "nothing may have been committed on its own";
    ASSERT_EQ((c.endWithCommit ? session.Commit() : session.Rollback()).status, OCI_SUCCESS);
    Rows expected{{"1"}};
    if (c.endWithCommit && !transactionLost)
        expected.push_back({"2"});
    if (c.endWithCommit)
        expected.push_back({"3"});
    EXPECT_EQ(Ids(), expected) << failed.text;
}

INSTANTIATE_TEST_SUITE_P(Faults, OciDiskFaultCases,
                         testing::Values(FaultCase{"StatementThenRollback", false, false},
                                         FaultCase{"StatementThenCommit", false, true},
                                         FaultCase{"CommitThenRollback", true, false},
                                         FaultCase{"CommitThenCommit", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
