// The data access layer's way of writing a record: savepoint, INSERT ... RETURNING rowid INTO a
// 501-byte text, commit; later statements find the row again by that ROWID text.
#include "OciClient.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace ocitest;

namespace {

class OciRowidPath : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(client.Logon(CreateTestDatabase("rowid")).status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("CREATE TABLE oblim (id NUMBER(9), name VARCHAR2(30))").status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("INSERT INTO oblim (id, name) VALUES (1, 'first')").status, OCI_SUCCESS);
    }

    // Posts one row as the layer does and returns the ROWID text it got back.
    std::string PostRow(int id, const std::string& name) {
        EXPECT_EQ(client.Run("savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
        Statement insert(
            client,
            "insert into OBLIM\n  (ID, NAME)\nvalues\n  (:v1, :v2)\nreturning rowid into :qel__rowid");
        std::string idText = std::to_string(id), nameText = name;
        char rowid[501] = "";
        sb2 rowidIndicator = OCI_IND_NULL;
        insert.BindText("v1", idText);
        insert.BindText("v2", nameText);
        OCIBind* bind = nullptr;
        client.oci.OCIBindByName(insert.stmt, &bind, client.err,
                                 reinterpret_cast<const OraText*>(":qel__rowid"), -1, rowid, sizeof rowid,
                                 SQLT_STR, &rowidIndicator, nullptr, nullptr, 0, nullptr, OCI_DEFAULT);
        const sword status = insert.Execute(1);
        EXPECT_EQ(status, OCI_SUCCESS) << insert.Status(status).text;
        EXPECT_EQ(rowidIndicator, OCI_IND_NOTNULL);
        EXPECT_EQ(client.Commit().status, OCI_SUCCESS);
        return rowid;
    }

    Client client;
};

TEST_F(OciRowidPath, ReturnedRowidFindsTheRowAgain) {
    const std::string rowid = PostRow(2, "second");
    ASSERT_EQ(rowid.size(), 18u);
    EXPECT_EQ(client.Query("select * from OBLIM where rowid = :qel__rowid", {{"qel__rowid", rowid}}),
              (Rows{{"2", "second"}}));
    EXPECT_EQ(client.Query("SELECT OBLIM.ROWID FROM OBLIM WHERE id = 2"), (Rows{{rowid}}));
}

TEST_F(OciRowidPath, UpdateAndDeleteByRowid) {
    const std::string rowid = PostRow(2, "second");
    ASSERT_EQ(client
                  .Run("update OBLIM\nset NAME = :v2\nwhere rowid = :qel__rowid",
                       {{"v2", "changed"}, {"qel__rowid", rowid}})
                  .status,
              OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT name FROM oblim WHERE id = 2"), (Rows{{"changed"}}));
    ASSERT_EQ(client.Run("delete from OBLIM\nwhere rowid = :qel__rowid", {{"qel__rowid", rowid}}).status,
              OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT id FROM oblim"), (Rows{{"1"}}));
}

TEST_F(OciRowidPath, RowidAttributeAgreesWithTheReturnedText) {
    const std::string returned = PostRow(3, "third");
    Statement insert(client, "INSERT INTO oblim (id) VALUES (4)");
    ASSERT_EQ(insert.Execute(1), OCI_SUCCESS);
    OCIRowid* descriptor = nullptr;
    client.oci.OCIDescriptorAlloc(client.env, reinterpret_cast<void**>(&descriptor), OCI_DTYPE_ROWID, 0,
                                  nullptr);
    ASSERT_EQ(
        client.oci.OCIAttrGet(insert.stmt, OCI_HTYPE_STMT, descriptor, nullptr, OCI_ATTR_ROWID, client.err),
        OCI_SUCCESS);
    char text[19] = "";
    ub2 length = sizeof text;
    ASSERT_EQ(client.oci.OCIRowidToChar(descriptor, reinterpret_cast<OraText*>(text), &length, client.err),
              OCI_SUCCESS);
    client.oci.OCIDescriptorFree(descriptor, OCI_DTYPE_ROWID);
    EXPECT_EQ(std::string(text, 6), returned.substr(0, 6)); // same table, same data object number
    EXPECT_EQ(client.Query("SELECT id FROM oblim WHERE rowid = :r", {{"r", std::string(text, length)}}),
              (Rows{{"4"}}));
}

// The ROWID attribute of a statement as text ("" for none), or "failed" when a call fails.
std::string RowidAttribute(Client& client, Statement& stmt) {
    OCIRowid* descriptor = nullptr;
    client.oci.OCIDescriptorAlloc(client.env, reinterpret_cast<void**>(&descriptor), OCI_DTYPE_ROWID, 0,
                                  nullptr);
    char text[19] = "";
    ub2 length = sizeof text;
    const bool converted = client.oci.OCIAttrGet(stmt.stmt, OCI_HTYPE_STMT, descriptor, nullptr,
                                                 OCI_ATTR_ROWID, client.err) == OCI_SUCCESS &&
                           client.oci.OCIRowidToChar(descriptor, reinterpret_cast<OraText*>(text), &length,
                                                     client.err) == OCI_SUCCESS;
    client.oci.OCIDescriptorFree(descriptor, OCI_DTYPE_ROWID);
    return converted ? std::string(text, length) : std::string("failed");
}

TEST_F(OciRowidPath, RowidAttributeNamesTheLastRowProcessed) {
    const std::string second = PostRow(2, "second");
    const std::string third = PostRow(3, "third");
    Statement update(client, "UPDATE oblim SET name = 'x' WHERE id >= 2 AND id <= 3");
    ASSERT_EQ(update.Execute(1), OCI_SUCCESS);
    const std::string updated = RowidAttribute(client, update);
    EXPECT_TRUE(updated == second || updated == third) << updated;
    Statement remove(client, "DELETE FROM oblim WHERE id = 2");
    ASSERT_EQ(remove.Execute(1), OCI_SUCCESS);
    EXPECT_EQ(RowidAttribute(client, remove), second);
    Statement none(client, "DELETE FROM oblim WHERE id = 99");
    ASSERT_EQ(none.Execute(1), OCI_SUCCESS);
    EXPECT_EQ(RowidAttribute(client, none), ""); // read without failing, but empty
    Statement query(client, "SELECT id FROM oblim");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    EXPECT_EQ(RowidAttribute(client, query), "");
}

TEST_F(OciRowidPath, FailedPostRollsBackToTheSavepointOnly) {
    ASSERT_EQ(client.Run("CREATE UNIQUE INDEX oblim_id ON oblim (id)").status, OCI_SUCCESS);
    PostRow(2, "second");
    ASSERT_EQ(client.Run("savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO oblim (id, name) VALUES (5, 'kept')").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
    EXPECT_EQ(client.Run("INSERT INTO oblim (id, name) VALUES (2, 'dup')").text,
              "ORA-00001: unique constraint (SCOTT.OBLIM_ID) violated");
    ASSERT_EQ(client.Run("rollback to savepoint QEL__LOCKPOINT").status, OCI_SUCCESS);
    ASSERT_EQ(client.Commit().status, OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT id FROM oblim ORDER BY id"), (Rows{{"1"}, {"2"}, {"5"}}));
}

} // namespace
