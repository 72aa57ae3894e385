// SQLite's failures reach the client as Oracle's codes and texts, with the owner being the user,
// and a failed statement leaves nothing behind.
#include "OciClient.h"

#include <gtest/gtest.h>

using namespace ocitest;

namespace {

class OciErrors : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(client.Logon(CreateTestDatabase("errors")).status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("CREATE TABLE t (id NUMBER(9) NOT NULL PRIMARY KEY, name VARCHAR2(30))").status,
                  OCI_SUCCESS);
        ASSERT_EQ(client.Run("CREATE UNIQUE INDEX t_name_uk ON t (name)").status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("INSERT INTO t (id, name) VALUES (1, 'a')").status, OCI_SUCCESS);
    }
    Client client;
};

TEST_F(OciErrors, UniqueViolationNamesOwnerAndConstraint) {
    EXPECT_EQ(client.Run("INSERT INTO t (id, name) VALUES (1, 'b')").text,
              "ORA-00001: unique constraint (SCOTT.T_PK) violated");
    EXPECT_EQ(client.Run("INSERT INTO t (id, name) VALUES (2, 'a')").text,
              "ORA-00001: unique constraint (SCOTT.T_NAME_UK) violated");
}

TEST_F(OciErrors, NullIntoMandatoryColumn) {
    EXPECT_EQ(client.Run("INSERT INTO t (name) VALUES ('x')").text,
              "ORA-01400: cannot insert NULL into (\"SCOTT\".\"T\".\"ID\")");
    EXPECT_EQ(client.Run("UPDATE t SET id = NULL").text,
              "ORA-01407: cannot update (\"SCOTT\".\"T\".\"ID\") to NULL");
}

TEST_F(OciErrors, UnknownTableAndColumn) {
    const OciStatus table = client.Run("DELETE FROM nowhere");
    EXPECT_EQ(table.code, 942);
    EXPECT_EQ(table.text, "ORA-00942: table or view does not exist");
    EXPECT_EQ(client.Run("UPDATE t SET nope = 1").text, "ORA-00904: \"NOPE\": invalid identifier");
    EXPECT_THROW(client.Query("SELECT nope FROM t"), std::runtime_error);
}

TEST_F(OciErrors, ErrorsOfOracleFunctionsKeepTheirCode) {
    const OciStatus status = client.Run("UPDATE t SET id = id / 0");
    EXPECT_EQ(status.code, 1476);
    EXPECT_EQ(status.text, "ORA-01476: divisor is equal to zero");
    EXPECT_EQ(client.Query("SELECT id FROM t"), (Rows{{"1"}}));
}

TEST_F(OciErrors, TheFailedStatementLeavesNoTrace) {
    ASSERT_NE(client.Run("INSERT INTO t (id, name) VALUES (1, 'dup')").status, OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT id, name FROM t"), (Rows{{"1", "a"}}));
}

} // namespace

TEST_F(OciErrors, BindNameTheStatementLacksIsIllegal) {
    Statement stmt(client, "UPDATE t SET name = :name WHERE id = 1");
    std::string known = "x", unknown = "y";
    EXPECT_EQ(stmt.BindText("name", known), OCI_SUCCESS);
    const OciStatus status = stmt.Status(stmt.BindText("nobody", unknown));
    EXPECT_EQ(status.code, 1036);
    EXPECT_EQ(status.text, "ORA-01036: illegal variable name/number");
}
