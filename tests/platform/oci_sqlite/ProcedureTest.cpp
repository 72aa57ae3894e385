// Stored procedures and sequences, which the engine keeps in its catalog: blocks run in the
// session's transaction with IN and OUT binds, and sequence numbers are never handed out twice.
#include "OciClient.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace ocitest;

namespace {

class OciProcedure : public testing::Test {
protected:
    void SetUp() override {
        path = CreateTestDatabase("proc");
        ASSERT_EQ(client.Logon(path).status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("CREATE TABLE log (n NUMBER(9))").status, OCI_SUCCESS);
    }
    std::string path;
    Client client;
};

TEST_F(OciProcedure, BlockCallsProcedureWithInAndOutBinds) {
    ASSERT_EQ(client
                  .Run("CREATE PROCEDURE twice (a IN NUMBER, b OUT NUMBER) AS\nBEGIN\n  b := a * 2;\n"
                       "  INSERT INTO log (n) VALUES (a);\nEND;")
                  .status,
              OCI_SUCCESS);
    Statement call(client, "BEGIN twice(:a, :b); END;");
    EXPECT_EQ(call.Attr<ub2>(OCI_ATTR_STMT_TYPE), OCI_STMT_BEGIN);
    int a = 21, b = 0;
    OCIBind* binds[2] = {};
    client.oci.OCIBindByName(call.stmt, &binds[0], client.err, reinterpret_cast<const OraText*>(":a"), 2, &a,
                             sizeof a, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT);
    client.oci.OCIBindByName(call.stmt, &binds[1], client.err, reinterpret_cast<const OraText*>(":b"), 2, &b,
                             sizeof b, SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr, OCI_DEFAULT);
    const sword status = call.Execute(1);
    ASSERT_EQ(status, OCI_SUCCESS) << call.Status(status).text;
    EXPECT_EQ(b, 42);
    ASSERT_EQ(client.Rollback().status, OCI_SUCCESS); // the procedure's insert was part of the transaction
    EXPECT_TRUE(client.Query("SELECT n FROM log").empty());
}

TEST_F(OciProcedure, BlockThatChangesNothingLeavesOtherWritersFree) {
    setenv("OCISQLITE_BUSY_TIMEOUT_MS", "300", 1);
    Client other;
    ASSERT_EQ(other.Logon(path).status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("BEGIN NULL; END;").status, OCI_SUCCESS);
    EXPECT_EQ(other.Run("INSERT INTO log (n) VALUES (1)").status, OCI_SUCCESS);
    ASSERT_EQ(other.Commit().status, OCI_SUCCESS);
    // A block that changed data keeps its transaction open until the client ends it.
    ASSERT_EQ(client.Run("BEGIN INSERT INTO log (n) VALUES (2); END;").status, OCI_SUCCESS);
    EXPECT_EQ(other.Run("INSERT INTO log (n) VALUES (3)").code, 54);
    ASSERT_EQ(client.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(other.Query("SELECT n FROM log"), (Rows{{"1"}}));
}

TEST_F(OciProcedure, ApplicationErrorsKeepTheirCode) {
    ASSERT_EQ(
        client.Run("CREATE PROCEDURE refuse AS\nBEGIN\n  raise_application_error(-20001, 'Not today');\nEND;")
            .status,
        OCI_SUCCESS);
    const OciStatus status = client.Run("BEGIN refuse; END;");
    EXPECT_EQ(status.code, 20001);
    EXPECT_EQ(status.text.rfind("ORA-20001: Not today", 0), 0u) << status.text;
}

TEST_F(OciProcedure, DroppedProcedureIsGone) {
    ASSERT_EQ(client.Run("CREATE PROCEDURE nothing AS\nBEGIN\n  NULL;\nEND;").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("DROP PROCEDURE nothing").status, OCI_SUCCESS);
    EXPECT_EQ(client.Run("DROP PROCEDURE nothing").code, 4043);
}

TEST_F(OciProcedure, SequenceNumbersSurviveRollbackAndCurrvalIsPerSession) {
    ASSERT_EQ(client.Run("CREATE SEQUENCE ids START WITH 10 INCREMENT BY 5").status, OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT ids.NEXTVAL FROM dual"), (Rows{{"10"}}));
    ASSERT_EQ(client.Run("INSERT INTO log (n) VALUES (ids.NEXTVAL)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Rollback().status, OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT ids.NEXTVAL FROM dual"), (Rows{{"20"}})); // 15 stays used
    EXPECT_EQ(client.Query("SELECT ids.CURRVAL FROM dual"), (Rows{{"20"}}));
    Client other;
    ASSERT_EQ(other.Logon(path).status, OCI_SUCCESS);
    EXPECT_THROW(other.Query("SELECT ids.CURRVAL FROM dual"), std::runtime_error);
    EXPECT_EQ(other.Query("SELECT ids.NEXTVAL FROM dual"), (Rows{{"25"}}));
    EXPECT_EQ(client.Run("DROP SEQUENCE ids").status, OCI_SUCCESS);
    EXPECT_EQ(client.Run("DROP SEQUENCE ids").code, 2289);
}

} // namespace
