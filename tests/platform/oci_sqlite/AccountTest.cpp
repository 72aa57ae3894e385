// Who may do what to accounts, and logons under attack: only the administrator (the user the file
// was created with) manages other users, guessing passwords locks the account, an unknown user takes
// as long to refuse as a known one, and a file that is not the engine's is refused untouched.
#include "OciClient.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace ocitest;

namespace {

class OciAccounts : public testing::Test {
protected:
    void SetUp() override {
        path = CreateTestDatabase("accounts");
        ASSERT_EQ(admin.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(admin.Run("CREATE USER clerk IDENTIFIED BY pw").status, OCI_SUCCESS);
        ASSERT_EQ(clerk.Logon(path, "clerk", "pw").status, OCI_SUCCESS);
    }
    int LogonCode(const std::string& user, const std::string& password) {
        Client client;
        return client.Logon(path, user, password).code;
    }
    std::string path;
    Client admin, clerk;
};

TEST_F(OciAccounts, OnlyTheAdministratorManagesOtherUsers) {
    const std::pair<const char*, int> cases[] = {
        {"ALTER USER scott IDENTIFIED BY mine", 1031},  {"ALTER USER scott PASSWORD EXPIRE", 1031},
        {"ALTER USER clerk PASSWORD EXPIRE", 1031},     {"ALTER USER scott ACCOUNT LOCK", 1031},
        {"CREATE USER intruder IDENTIFIED BY x", 1031}, {"ALTER USER clerk IDENTIFIED BY own", 0},
    };
    for (const auto& [sql, code] : cases)
        EXPECT_EQ(clerk.Run(sql).code, code) << sql;
    EXPECT_EQ(LogonCode("scott", "tiger"), 0);
    EXPECT_EQ(LogonCode("clerk", "own"), 0);
}

TEST_F(OciAccounts, TenFailedLogonsLockTheAccountUntilUnlocked) {
    for (int attempt = 1; attempt <= 9; ++attempt)
        ASSERT_EQ(LogonCode("clerk", "guess"), 1017);
    ASSERT_EQ(LogonCode("clerk", "pw"), 0); // a success starts the count again
    for (int attempt = 1; attempt <= 10; ++attempt)
        ASSERT_EQ(LogonCode("clerk", "guess"), 1017);
    Client locked;
    EXPECT_EQ(locked.Logon(path, "clerk", "pw").text, "ORA-28000: the account is locked");
    EXPECT_EQ(clerk.Run("ALTER USER clerk ACCOUNT UNLOCK").code, 1031);
    ASSERT_EQ(admin.Run("ALTER USER clerk ACCOUNT UNLOCK").status, OCI_SUCCESS);
    EXPECT_EQ(LogonCode("clerk", "pw"), 0);
}

// Wrong passwords arriving together each count, so the account locks however they are timed.
TEST_F(OciAccounts, ParallelWrongLogonsLockTheAccount) {
    std::vector<std::thread> guesses;
    std::atomic<int> refused{0};
    for (int i = 0; i < 30; ++i)
        guesses.emplace_back([&] { refused += LogonCode("clerk", "guess") == 1017 ? 1 : 0; });
    for (std::thread& guess : guesses)
        guess.join();
    EXPECT_EQ(refused, 30);
    EXPECT_EQ(LogonCode("clerk", "pw"), 28000);
}

// Ten wrong passwords lock the administrator too; the owner of the file has the way back.
TEST_F(OciAccounts, TheFileOwnerUnlocksTheAdministrator) {
    for (int attempt = 1; attempt <= 10; ++attempt)
        ASSERT_EQ(LogonCode("scott", "guess"), 1017);
    ASSERT_EQ(LogonCode("scott", "tiger"), 28000);
    const auto unlock =
        reinterpret_cast<ocisqlite_unlock_user_t>(OciLibrary::Get().Lookup("ocisqlite_unlock_user"));
    char message[256];
    EXPECT_EQ(unlock((path + ".missing").c_str(), "scott", message, sizeof message), 12154);
    ASSERT_EQ(unlock(path.c_str(), "scott", message, sizeof message), 0) << message;
    EXPECT_EQ(LogonCode("scott", "tiger"), 0);
}

TEST_F(OciAccounts, UnknownUserTakesAsLongAsAKnownOne) {
    auto time = [&](const char* user) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(LogonCode(user, "guess"), 1017);
        return std::chrono::steady_clock::now() - start;
    };
    const auto known = time("clerk");
    const auto unknown = time("nobody");
    EXPECT_GT(unknown * 3, known); // today a known user costs the hash, an unknown one nothing
}

TEST(OciDatabaseFiles, FileOfAnotherKindIsRefusedUnchanged) {
    for (const std::string& content : {std::string(), std::string("not a database\n")}) {
        const std::string path = NewDatabasePath("foreign");
        std::ofstream(path) << content;
        Client client;
        EXPECT_EQ(client.Logon(path).code, 1122) << content;
        EXPECT_EQ(std::filesystem::file_size(path), content.size());
        EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
    }
}

TEST(OciDatabaseFiles, DatabaseFilesAreTheOwnersAlone) {
    const std::string path = CreateTestDatabase("private");
    Client client;
    ASSERT_EQ(client.Logon(path).status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("CREATE TABLE t (n NUMBER)").status, OCI_SUCCESS);
    for (const std::string& file : {path, path + "-wal"}) {
        struct stat info {};
        ASSERT_EQ(stat(file.c_str(), &info), 0) << file;
        EXPECT_EQ(info.st_mode & 0777, 0600u) << file;
    }
}

} // namespace

TEST(OciDatabaseFiles, UnusableLockWaitIsRefusedWithAMessage) {
    const std::string path = CreateTestDatabase("wait");
    for (const char* value : {"0", "-1", "soon", "5s"}) {
        setenv("OCISQLITE_BUSY_TIMEOUT_MS", value, 1);
        Client client;
        const OciStatus status = client.Logon(path);
        EXPECT_EQ(status.code, 2097) << value;
        EXPECT_NE(status.text.find(std::string("OCISQLITE_BUSY_TIMEOUT_MS=") + value), std::string::npos);
    }
    unsetenv("OCISQLITE_BUSY_TIMEOUT_MS");
}
