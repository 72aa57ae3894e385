// Database files and users: creation refuses an existing file, a logon never creates one, passwords
// are stored only as salted PBKDF2 hashes, and expiry and grace behave as Oracle's.
#include "OciClient.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace ocitest;

namespace {

struct StoredUser {
    std::string salt, digest;
    int iterations = 0;
};

StoredUser ReadStoredUser(const std::string& path, const std::string& name) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT hex(salt), hex(digest), iterations FROM ocisqlite_users WHERE name = ?1",
                       -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    StoredUser user;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        user = {reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)), sqlite3_column_int(stmt, 2)};
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return user;
}

TEST(OciDatabase, CreateRefusesAnExistingFile) {
    const std::string path = CreateTestDatabase("create");
    char message[256] = "";
    const int code =
        OciLibrary::Get().ocisqlite_create_database(path.c_str(), "x", "y", message, sizeof message);
    EXPECT_NE(code, 0);
    EXPECT_EQ(std::string(message).rfind("ORA-", 0), 0u) << message;
    Client client; // the first user still logs on: the file was left alone
    EXPECT_EQ(client.Logon(path).status, OCI_SUCCESS);
}

TEST(OciDatabase, MissingFileGivesOra12154AndIsNotCreated) {
    const std::string path = NewDatabasePath("missing");
    Client client;
    const OciStatus status = client.Logon(path);
    EXPECT_EQ(status.status, OCI_ERROR);
    EXPECT_EQ(status.text, "ORA-12154: TNS:could not resolve the connect identifier specified");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(OciDatabase, WrongPasswordOrUserIsRefusedWithOra01017) {
    const std::string path = CreateTestDatabase("logon");
    for (auto [user, password] : {std::pair{"scott", "wrong"}, std::pair{"nobody", "tiger"}}) {
        Client client;
        const OciStatus status = client.Logon(path, user, password);
        EXPECT_EQ(status.status, OCI_ERROR);
        EXPECT_EQ(status.text, "ORA-01017: invalid username/password; logon denied");
    }
    Client client; // user names fold to upper case, passwords do not
    EXPECT_EQ(client.Logon(path, "SCOTT", "tiger").status, OCI_SUCCESS);
}

TEST(OciDatabase, PasswordsAreStoredAsSaltedSlowHashes) {
    const std::string path = CreateTestDatabase("hash");
    {
        Client client;
        ASSERT_EQ(client.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("CREATE USER twin IDENTIFIED BY \"tiger\"").status, OCI_SUCCESS);
    }
    const StoredUser scott = ReadStoredUser(path, "SCOTT");
    const StoredUser twin = ReadStoredUser(path, "TWIN");
    EXPECT_EQ(scott.salt.size(), 32u); // 16 bytes in hex
    EXPECT_EQ(scott.digest.size(), 64u);
    EXPECT_GE(scott.iterations, 100000);
    EXPECT_NE(scott.salt, twin.salt);
    EXPECT_NE(scott.digest, twin.digest); // same password, different salt
}

TEST(OciDatabase, UserStatementsManageLogonAndPasswordStates) {
    const std::string path = CreateTestDatabase("users");
    Client admin;
    ASSERT_EQ(admin.Logon(path).status, OCI_SUCCESS);
    // Quoted passwords keep their case exactly.
    ASSERT_EQ(admin.Run("CREATE USER clerk IDENTIFIED BY \"first\"").status, OCI_SUCCESS);
    EXPECT_EQ(admin.Run("CREATE USER clerk IDENTIFIED BY \"again\"").code, 1920);
    ASSERT_EQ(admin.Run("ALTER USER clerk IDENTIFIED BY \"second\"").status, OCI_SUCCESS);
    {
        Client old;
        EXPECT_EQ(old.Logon(path, "clerk", "first").code, 1017);
        Client current;
        EXPECT_EQ(current.Logon(path, "clerk", "second").status, OCI_SUCCESS);
    }
    ASSERT_EQ(admin.Run("ALTER USER clerk PASSWORD EXPIRE").status, OCI_SUCCESS);
    {
        Client expired;
        const OciStatus status = expired.Logon(path, "clerk", "second");
        EXPECT_EQ(status.status, OCI_ERROR);
        EXPECT_EQ(status.text, "ORA-28001: the password has expired");
    }
}

TEST(OciDatabase, UserInGraceLogsOnWithAWarning) {
    const std::string path = CreateTestDatabase("grace");
    Client admin;
    ASSERT_EQ(admin.Logon(path).status, OCI_SUCCESS);
    // An unquoted password keeps the case it was typed in.
    ASSERT_EQ(admin.Run("CREATE USER clerk IDENTIFIED BY second").status, OCI_SUCCESS);
    const OciStatus grant = admin.Run("ALTER USER clerk PASSWORD GRACE");
    ASSERT_EQ(grant.status, OCI_SUCCESS) << grant.text;
    {
        Client grace;
        const OciStatus status = grace.Logon(path, "clerk", "second");
        EXPECT_EQ(status.status, OCI_SUCCESS_WITH_INFO);
        EXPECT_EQ(status.text, "ORA-28002: the password will expire within 7 days");
        EXPECT_EQ(grace.Query("SELECT 1 FROM dual").size(), 1u);
    }
}

TEST(OciDatabase, PasswordChangeClearsExpiryAndGrace) {
    const std::string path = CreateTestDatabase("change");
    {
        Client admin;
        ASSERT_EQ(admin.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(admin.Run("ALTER USER scott PASSWORD EXPIRE").status, OCI_SUCCESS);
    }
    Client client;
    ASSERT_EQ(client.Logon(path).code, 28001);
    const std::string user = "scott", oldPassword = "tiger", newPassword = "lion";
    const auto text = [](const std::string& s) { return reinterpret_cast<const OraText*>(s.c_str()); };
    EXPECT_EQ(client.oci.OCIPasswordChange(client.svc, client.err, text(user), 5, text("wrong"), 5,
                                           text(newPassword), 4, OCI_DEFAULT),
              OCI_ERROR);
    EXPECT_EQ(client.StatusOf(OCI_ERROR).code, 1017);
    ASSERT_EQ(client.oci.OCIPasswordChange(client.svc, client.err, text(user), 5, text(oldPassword), 5,
                                           text(newPassword), 4, OCI_DEFAULT),
              OCI_SUCCESS);
    Client again;
    EXPECT_EQ(again.Logon(path, "scott", "lion").status, OCI_SUCCESS);
}

TEST(OciDatabase, LoggedOnUserChangesPasswordDespiteAnOpenTransaction) {
    const std::string path = CreateTestDatabase("change-open");
    Client client;
    ASSERT_EQ(client.Logon(path).status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("CREATE TABLE t (id NUMBER(9))").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO t (id) VALUES (1)").status, OCI_SUCCESS);
    const auto text = [](const char* s) { return reinterpret_cast<const OraText*>(s); };
    ASSERT_EQ(client.oci.OCIPasswordChange(client.svc, client.err, text("scott"), 5, text("tiger"), 5,
                                           text("puma"), 4, OCI_DEFAULT),
              OCI_SUCCESS);
    Client other;
    EXPECT_EQ(other.Logon(path, "scott", "puma").status, OCI_SUCCESS);
    EXPECT_EQ(other.Query("SELECT id FROM t"), (Rows{{"1"}})); // committed first, as DDL
}

} // namespace
