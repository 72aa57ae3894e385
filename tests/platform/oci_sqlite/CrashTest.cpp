// A process killed in the middle of its work loses only what it had not committed: a child process
// commits some rows, leaves others open, and is killed with SIGKILL.
#include "OciClient.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ocitest;

namespace {

// The child commits rows 1-3, inserts 4-5 without commit, reports through the pipe and waits.
[[noreturn]] void ChildWork(const std::string& path, int reportFd) {
    {
        Client client;
        bool ok = client.Logon(path).status == OCI_SUCCESS;
        for (int id = 1; id <= 5 && ok; ++id) {
            ok = client.Run("INSERT INTO t (id) VALUES (:id)", {{"id", std::to_string(id)}}).status ==
                 OCI_SUCCESS;
            if (id == 3)
                ok = ok && client.Commit().status == OCI_SUCCESS;
        }
        const char report = ok ? 'y' : 'n';
        (void)!write(reportFd, &report, 1);
        for (;;)
            pause();
    }
}

TEST(OciCrash, KilledProcessLosesOnlyUncommittedRows) {
    const std::string path = CreateTestDatabase("crash");
    {
        Client setup;
        ASSERT_EQ(setup.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(setup.Run("CREATE TABLE t (id NUMBER(9))").status, OCI_SUCCESS);
    }
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ChildWork(path, fds[1]);
    char report = 0;
    ASSERT_EQ(read(fds[0], &report, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(fds[0]);
    close(fds[1]);
    ASSERT_EQ(report, 'y');
    Client after;
    ASSERT_EQ(after.Logon(path).status, OCI_SUCCESS);
    EXPECT_EQ(after.Query("SELECT id FROM t ORDER BY id"), (Rows{{"1"}, {"2"}, {"3"}}));
}

} // namespace
