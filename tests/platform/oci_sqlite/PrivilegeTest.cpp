// Object privileges as Oracle keeps them: a user without grants meets ORA-00942 on another user's
// tables and cannot see its procedures; one who may read but not change meets ORA-01031; grants to
// users and to PUBLIC take effect in open sessions, and procedures run with their owner's rights.
#include "OciClient.h"

#include <gtest/gtest.h>

using namespace ocitest;

namespace {

class OciPrivileges : public testing::Test {
protected:
    void SetUp() override {
        path = CreateTestDatabase("privileges");
        ASSERT_EQ(owner.Logon(path).status, OCI_SUCCESS);
        for (const char* sql :
             {"CREATE USER clerk IDENTIFIED BY pw", "CREATE TABLE results (n NUMBER(9))",
              "CREATE TABLE archive (n NUMBER(9))",
              "CREATE PROCEDURE obli_copy AS\nBEGIN\n  INSERT INTO archive VALUES (7);\nEND;"})
            ASSERT_EQ(owner.Run(sql).status, OCI_SUCCESS) << sql;
        ASSERT_EQ(clerk.Logon(path, "clerk", "pw").status, OCI_SUCCESS);
    }
    std::vector<int> Codes(const std::vector<const char*>& statements) {
        std::vector<int> codes;
        for (const char* sql : statements)
            codes.push_back(clerk.Run(sql).code);
        return codes;
    }
    std::string path;
    Client owner, clerk;
};

const std::vector<const char*> kEveryUse = {
    "SELECT n FROM results",
    "INSERT INTO results VALUES (1)",
    "UPDATE results SET n = 2",
    "DELETE FROM results",
    "DROP TABLE results",
    "CREATE INDEX results_n ON results (n)",
    "CREATE OR REPLACE PROCEDURE obli_copy AS\nBEGIN\n  NULL;\nEND;",
};

TEST_F(OciPrivileges, WithoutGrantsNothingOfAnotherUserIsVisible) {
    EXPECT_EQ(Codes(kEveryUse), (std::vector<int>{942, 942, 942, 942, 942, 942, 942}));
    EXPECT_EQ(clerk.Run("BEGIN obli_copy; END;").code, 6550); // PLS-00201: must be declared
    EXPECT_EQ(owner.Query("SELECT COUNT(*) FROM archive"), (Rows{{"0"}}));
}

TEST_F(OciPrivileges, ReadingWithoutChangingIsInsufficientPrivileges) {
    ASSERT_EQ(owner.Run("GRANT SELECT ON results TO clerk").status, OCI_SUCCESS);
    EXPECT_EQ(Codes(kEveryUse), (std::vector<int>{1403, 1031, 1031, 1031, 1031, 1031, 942})); // 1403: no rows
    ASSERT_EQ(owner.Run("REVOKE SELECT ON results FROM clerk").status, OCI_SUCCESS);
    EXPECT_EQ(clerk.Run("SELECT n FROM results").code, 942); // prepared before, refused now
}

TEST_F(OciPrivileges, GrantsToPublicAndExecuteRunWithTheOwnersRights) {
    for (const char* sql :
         {"GRANT SELECT, INSERT, UPDATE, DELETE ON results TO PUBLIC", "GRANT EXECUTE ON obli_copy TO clerk"})
        ASSERT_EQ(owner.Run(sql).status, OCI_SUCCESS) << sql;
    EXPECT_EQ(
        Codes({"INSERT INTO results VALUES (1)", "UPDATE results SET n = 2", "DELETE FROM results",
               "BEGIN obli_copy; END;", "INSERT INTO archive VALUES (7)", "SELECT n FROM archive",
               "DROP TABLE results", "CREATE OR REPLACE PROCEDURE obli_copy AS\nBEGIN\n  NULL;\nEND;"}),
        (std::vector<int>{0, 0, 0, 0, 942, 942, 1031, 1031})); // the procedure's insert is not the clerk's
    ASSERT_EQ(clerk.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(owner.Query("SELECT COUNT(*) FROM archive"), (Rows{{"1"}}));
}

TEST_F(OciPrivileges, OwnTablesAreTheCreatorsAndTheAdministratorsToo) {
    ASSERT_EQ(clerk.Run("CREATE TABLE mine (n NUMBER(9))").status, OCI_SUCCESS);
    ASSERT_EQ(clerk.Run("INSERT INTO mine VALUES (1)").status, OCI_SUCCESS);
    ASSERT_EQ(clerk.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(owner.Query("SELECT n FROM mine"), (Rows{{"1"}}));
    ASSERT_EQ(clerk.Run("GRANT SELECT ON mine TO scott").status, OCI_SUCCESS);
    EXPECT_EQ(clerk.Run("DROP TABLE mine").status, OCI_SUCCESS);
}

TEST_F(OciPrivileges, GrantsAreCheckedAsOraclesAre) {
    const std::pair<const char*, int> cases[] = {
        {"GRANT SELECT ON results TO nobody", 1917},   {"GRANT EXECUTE ON results TO clerk", 2224},
        {"GRANT SELECT ON obli_copy TO clerk", 2225},  {"GRANT SELECT ON missing TO clerk", 942},
        {"REVOKE INSERT ON results FROM clerk", 1927}, {"GRANT SELECT ON results TO scott", 1749},
        {"GRANT ALL ON results TO clerk", 0},          {"REVOKE ALL ON results FROM clerk", 0},
    };
    for (const auto& [sql, code] : cases)
        EXPECT_EQ(owner.Run(sql).code, code) << sql;
    EXPECT_EQ(clerk.Run("GRANT SELECT ON results TO clerk").code, 942);
}

} // namespace
