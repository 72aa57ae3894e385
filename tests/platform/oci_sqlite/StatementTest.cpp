// Statements through the OCI calls: binds of every external type the layer uses, describe, defines
// of every type, batch fetches with their row counts, truncation and NULL rules, statement types,
// the ROWID of an inserted row, parse-error offsets, array DML and the reuse of prepared texts.
#include "OciClient.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace ocitest;

namespace {

class OciStatement : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(client.Logon(CreateTestDatabase("stmt")).status, OCI_SUCCESS);
        ASSERT_EQ(client
                      .Run("CREATE TABLE emp (id NUMBER(9) NOT NULL, name VARCHAR2(30), salary NUMBER(9,2), "
                           "hired DATE, code CHAR(3))")
                      .status,
                  OCI_SUCCESS);
    }
    void InsertNamed(int id, const std::string& name) {
        ASSERT_EQ(client
                      .Run("INSERT INTO emp (id, name) VALUES (:id, :name)",
                           {{"id", std::to_string(id)}, {"name", name}})
                      .status,
                  OCI_SUCCESS);
    }
    sword Bind(Statement& stmt, const char* name, void* value, sb4 size, ub2 type, sb2* indicator = nullptr,
               ub2* length = nullptr) {
        OCIBind* bind = nullptr;
        return client.oci.OCIBindByName(stmt.stmt, &bind, client.err, reinterpret_cast<const OraText*>(name),
                                        -1, value, size, type, indicator, length, nullptr, 0, nullptr,
                                        OCI_DEFAULT);
    }
    sword Define(Statement& stmt, ub4 position, void* value, sb4 size, ub2 type, sb2* indicator = nullptr,
                 ub2* length = nullptr, ub2* code = nullptr) {
        OCIDefine* define = nullptr;
        return client.oci.OCIDefineByPos(stmt.stmt, &define, client.err, position, value, size, type,
                                         indicator, length, code, OCI_DEFAULT);
    }
    sword Fetch(Statement& stmt, ub4 rows) {
        return client.oci.OCIStmtFetch2(stmt.stmt, client.err, rows, OCI_FETCH_NEXT, 0, OCI_DEFAULT);
    }

    Client client;
};

TEST_F(OciStatement, BindsEveryExternalTypeWithNullIndicators) {
    Statement insert(
        client,
        "INSERT INTO emp (id, name, salary, hired, code) VALUES (:id, :name, :salary, :hired, :code)");
    int id = 7;
    char name[] = "Novak";
    double salary = 1234.5;
    unsigned char hired[7] = {120, 123, 3, 5, 1, 1, 1}; // 05.03.2023
    char code[3] = {'A', 'B', ' '};
    ASSERT_EQ(Bind(insert, ":id", &id, sizeof id, SQLT_INT), OCI_SUCCESS);
    ASSERT_EQ(Bind(insert, ":name", name, sizeof name, SQLT_STR), OCI_SUCCESS);
    ASSERT_EQ(Bind(insert, ":salary", &salary, sizeof salary, SQLT_FLT), OCI_SUCCESS);
    ASSERT_EQ(Bind(insert, ":hired", hired, sizeof hired, SQLT_DAT), OCI_SUCCESS);
    ASSERT_EQ(Bind(insert, ":code", code, sizeof code, SQLT_AFC), OCI_SUCCESS);
    ASSERT_EQ(insert.Execute(1), OCI_SUCCESS) << insert.Status(OCI_ERROR).text;

    Statement nulls(
        client,
        "INSERT INTO emp (id, name, salary, hired, code) VALUES (:id, :name, :salary, :hired, :code)");
    char idText[] = "8xxx";
    ub2 idLength = 1; // CHR takes the actual length, not the buffer
    char nameText[] = "Kos";
    char empty[] = "";
    sb2 null = OCI_IND_NULL;
    ASSERT_EQ(Bind(nulls, "id", idText, sizeof idText, SQLT_CHR, nullptr, &idLength), OCI_SUCCESS);
    ASSERT_EQ(Bind(nulls, "name", nameText, sizeof nameText, SQLT_AVC), OCI_SUCCESS);
    ASSERT_EQ(Bind(nulls, "salary", &salary, sizeof salary, SQLT_FLT, &null), OCI_SUCCESS);
    ASSERT_EQ(Bind(nulls, "hired", hired, sizeof hired, SQLT_DAT, &null), OCI_SUCCESS);
    ASSERT_EQ(Bind(nulls, "code", empty, 0, SQLT_LNG), OCI_SUCCESS); // an empty text is NULL
    ASSERT_EQ(nulls.Execute(1), OCI_SUCCESS) << nulls.Status(OCI_ERROR).text;

    EXPECT_EQ(
        client.Query("SELECT id, name, salary, hired, code FROM emp ORDER BY id"),
        (Rows{{"7", "Novak", "1234.5", "05.03.2023", "AB "}, {"8", "Kos", "<null>", "<null>", "<null>"}}));
}

TEST_F(OciStatement, NameUsedTwiceBindsOnceAndMissingBindIsOra01008) {
    InsertNamed(1, "a");
    InsertNamed(2, "b");
    EXPECT_EQ(client.Query("SELECT name FROM emp WHERE id = :x OR id - 1 = :x ORDER BY id", {{"x", "1"}}),
              (Rows{{"a"}}));
    const OciStatus missing = client.Run("UPDATE emp SET name = :name WHERE id = :id", {{"id", "1"}});
    EXPECT_EQ(missing.text, "ORA-01008: not all variables bound");
}

TEST_F(OciStatement, DescribeGivesOracleTypesSizesAndNames) {
    Statement query(client, "SELECT id, name, salary, hired, code, rowid FROM emp");
    ASSERT_EQ(query.Execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS);
    ASSERT_EQ(query.Attr<ub4>(OCI_ATTR_PARAM_COUNT), 6u);
    struct Expected {
        const char* name;
        ub2 type, size;
        sb2 precision;
        sb1 scale;
        ub1 nullable;
    };
    const Expected expected[] = {{"ID", 2, 22, 9, 0, 0},     {"NAME", 1, 30, 0, 0, 1},
                                 {"SALARY", 2, 22, 9, 2, 1}, {"HIRED", 12, 7, 0, 0, 1},
                                 {"CODE", 96, 3, 0, 0, 1},   {"ROWID", 11, 18, 0, 0, 1}};
    for (ub4 i = 0; i < 6; ++i) {
        void* param = nullptr;
        ASSERT_EQ(client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, i + 1), OCI_SUCCESS);
        ub2 type = 0, size = 0;
        sb2 precision = -1;
        sb1 scale = -1;
        ub1 nullable = 9;
        char* name = nullptr;
        ub4 nameLength = 0;
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, client.err);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &size, nullptr, OCI_ATTR_DATA_SIZE, client.err);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &precision, nullptr, OCI_ATTR_PRECISION, client.err);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &scale, nullptr, OCI_ATTR_SCALE, client.err);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &nullable, nullptr, OCI_ATTR_IS_NULL, client.err);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &nameLength, OCI_ATTR_NAME, client.err);
        const Expected& e = expected[i];
        EXPECT_EQ(std::string(name, nameLength), e.name);
        EXPECT_EQ(type, e.type) << e.name;
        EXPECT_EQ(size, e.size) << e.name;
        if (e.type == 2) {
            EXPECT_EQ(precision, e.precision) << e.name;
            EXPECT_EQ(scale, e.scale) << e.name;
        }
        EXPECT_EQ(nullable, e.nullable) << e.name;
    }
    const sword fetched = Fetch(query, 1); // describing executes nothing
    EXPECT_EQ(fetched, OCI_ERROR);
    EXPECT_EQ(query.Status(fetched).code, 24338);
}

TEST_F(OciStatement, ExpressionsAreDescribedByTheirValuesAndOracleNames) {
    InsertNamed(1, "a");
    Statement query(client, "SELECT COUNT(*), max(id) top, name || 'x' FROM emp GROUP BY name");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS) << query.Status(OCI_ERROR).text;
    const struct {
        const char* name;
        ub2 type;
    } expected[] = {{"COUNT(*)", SQLT_NUM}, {"TOP", SQLT_NUM}, {"NAME||'X'", SQLT_CHR}};
    for (ub4 i = 0; i < 3; ++i) {
        void* param = nullptr;
        ASSERT_EQ(client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, i + 1), OCI_SUCCESS);
        ub2 type = 0;
        char* name = nullptr;
        ub4 nameLength = 0;
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, client.err);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &nameLength, OCI_ATTR_NAME, client.err);
        EXPECT_EQ(std::string(name, nameLength), expected[i].name);
        EXPECT_EQ(type, expected[i].type) << expected[i].name;
    }
    void* beyond = nullptr;
    EXPECT_EQ(query.Status(client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &beyond, 4)).code,
              24334);
}

// The data access layer counts a query's rows as "select count(*) from (" + sql + ")".
TEST_F(OciStatement, CountOverASubqueryInFrom) {
    for (int id = 1; id <= 5; ++id)
        InsertNamed(id, "n" + std::to_string(id));
    EXPECT_EQ(client.Query("select count(*) from (select id from emp)"), (Rows{{"5"}}));
    EXPECT_EQ(
        client.Query("select count(*) from (select id, name from emp where id > :low order by name desc)",
                     {{"low", "2"}}),
        (Rows{{"3"}}));
    EXPECT_EQ(client.Query("select count(*) from (select e.id from emp e where e.id <= 2) x"), (Rows{{"2"}}));
    EXPECT_EQ(client.Query("select count(*) from (select emp.*, emp.rowid from emp where name like 'n%')"),
              (Rows{{"5"}}));
}

TEST_F(OciStatement, ColumnsOfASubqueryInFromAreDescribedAsTheTableColumns) {
    InsertNamed(1, "a");
    for (const char* sql : {"select s.name, s.salary from (select name, salary from emp order by id) s",
                            "select name, salary from emp union all select name, salary from "
                            "(select salary, name from emp where id > 0)"}) {
        Statement query(client, sql);
        ASSERT_EQ(query.Execute(0), OCI_SUCCESS) << query.Status(OCI_ERROR).text;
        const struct {
            ub2 type, size;
            sb1 scale;
        } expected[] = {{SQLT_CHR, 30, 0}, {SQLT_NUM, 22, 2}};
        for (ub4 i = 0; i < 2; ++i) {
            void* param = nullptr;
            ASSERT_EQ(client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, i + 1),
                      OCI_SUCCESS);
            ub2 type = 0, size = 0;
            sb1 scale = -1;
            client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, client.err);
            client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &size, nullptr, OCI_ATTR_DATA_SIZE, client.err);
            client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &scale, nullptr, OCI_ATTR_SCALE, client.err);
            EXPECT_EQ(type, expected[i].type) << sql << " column " << i;
            EXPECT_EQ(size, expected[i].size) << sql << " column " << i;
            EXPECT_EQ(scale, expected[i].scale) << sql << " column " << i;
        }
    }
    EXPECT_EQ(
        client.Query("select name, id from emp union all select name, id from (select id, name from emp)"),
        (Rows{{"a", "1"}, {"a", "1"}}));
}

TEST_F(OciStatement, DefinesConvertToEveryRequestedType) {
    ASSERT_EQ(client
                  .Run("INSERT INTO emp (id, name, salary, hired, code) VALUES "
                       "(42, 'Zupan', 0.5, '2023-03-05 13:14:15', 'XY ')")
                  .status,
              OCI_SUCCESS);
    Statement query(client, "SELECT id, salary, name, hired, code, name, name, name FROM emp");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    int64_t id = 0;
    double salary = 0;
    char name[31] = "";
    unsigned char hired[7] = {};
    char code[4] = "";
    char charz[8] = "";
    char fixed[6] = "";
    ub2 fixedLength = 0;
    char longText[10] = "";
    ub2 longLength = 0;
    ASSERT_EQ(Define(query, 1, &id, sizeof id, SQLT_INT), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 2, &salary, sizeof salary, SQLT_FLT), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 3, name, sizeof name, SQLT_STR), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 4, hired, sizeof hired, SQLT_DAT), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 5, code, 3, SQLT_AFC), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 6, charz, sizeof charz, SQLT_AVC), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 7, fixed, sizeof fixed, SQLT_CHR, nullptr, &fixedLength), OCI_SUCCESS);
    ASSERT_EQ(Define(query, 8, longText, sizeof longText, SQLT_LNG, nullptr, &longLength), OCI_SUCCESS);
    ASSERT_EQ(Fetch(query, 1), OCI_SUCCESS) << query.Status(OCI_ERROR).text;
    EXPECT_EQ(id, 42);
    EXPECT_DOUBLE_EQ(salary, 0.5);
    EXPECT_STREQ(name, "Zupan");
    const unsigned char expectedDate[7] = {120, 123, 3, 5, 14, 15, 16};
    EXPECT_EQ(std::memcmp(hired, expectedDate, 7), 0);
    EXPECT_EQ(std::string(code, 3), "XY ");
    EXPECT_STREQ(charz, "Zupan  "); // blank-padded and terminated
    EXPECT_EQ(std::string(fixed, fixedLength), "Zupan");
    EXPECT_EQ(std::string(longText, longLength), "Zupan");
}

TEST_F(OciStatement, DatesReadAsTextFollowTheSessionDateFormat) {
    ASSERT_EQ(
        client.Run("INSERT INTO emp (id, hired) VALUES (1, TO_DATE('05.03.2023', 'DD.MM.YYYY'))").status,
        OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT hired FROM emp"), (Rows{{"05.03.2023"}}));
    ASSERT_EQ(client.Run("ALTER SESSION SET NLS_DATE_FORMAT = 'YYYY-MM-DD HH24:MI'").status, OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT hired FROM emp"), (Rows{{"2023-03-05 00:00"}}));
}

TEST_F(OciStatement, ExpressionsAreDescribedBeforeAnyRowExists) {
    Statement query(client, "SELECT COUNT(*), MAX(hired), MIN(name) FROM emp WHERE id > 0");
    ASSERT_EQ(query.Execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS);
    for (const auto& [position, expected] :
         {std::pair{1u, SQLT_NUM}, std::pair{2u, SQLT_DAT}, std::pair{3u, SQLT_CHR}}) {
        void* param = nullptr;
        ub2 type = 0;
        client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, position);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, client.err);
        EXPECT_EQ(type, expected) << position;
    }
}

TEST_F(OciStatement, DateExpressionsAreDescribedAndReadAsDates) {
    ASSERT_EQ(
        client.Run("INSERT INTO emp (id, hired) VALUES (1, TO_DATE('05.03.2023', 'DD.MM.YYYY'))").status,
        OCI_SUCCESS);
    Statement query(client, "SELECT MAX(hired), MAX(name) FROM emp");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    for (const auto& [position, expected] : {std::pair{1u, SQLT_DAT}, std::pair{2u, SQLT_CHR}}) {
        void* param = nullptr;
        ub2 type = 0;
        client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, position);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, client.err);
        EXPECT_EQ(type, expected) << position;
    }
    EXPECT_EQ(client.Query("SELECT MAX(hired) FROM emp"), (Rows{{"05.03.2023"}}));
}

TEST_F(OciStatement, NumbersReadAsOracleWritesThem) {
    ASSERT_EQ(client.Run("INSERT INTO emp (id, salary) VALUES (1, 0.25)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO emp (id, salary) VALUES (2, -0.5)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO emp (id, salary) VALUES (3, 100)").status, OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT salary FROM emp ORDER BY id"), (Rows{{".25"}, {"-.5"}, {"100"}}));
    ASSERT_EQ(client.Run("CREATE TABLE n (k NUMBER(9), v NUMBER)").status, OCI_SUCCESS);
    Statement insert(client, "INSERT INTO n (k, v) VALUES (:k, :v)");
    int keys[2] = {1, 2};
    double values[2] = {1e20, 1.5e-10};
    OCIBind* binds[2] = {};
    client.oci.OCIBindByName(insert.stmt, &binds[0], client.err, reinterpret_cast<const OraText*>(":k"), 2,
                             keys, sizeof keys[0], SQLT_INT, nullptr, nullptr, nullptr, 0, nullptr,
                             OCI_DEFAULT);
    client.oci.OCIBindByName(insert.stmt, &binds[1], client.err, reinterpret_cast<const OraText*>(":v"), 2,
                             values, sizeof values[0], SQLT_FLT, nullptr, nullptr, nullptr, 0, nullptr,
                             OCI_DEFAULT);
    ASSERT_EQ(insert.Execute(2), OCI_SUCCESS) << insert.Status(OCI_ERROR).text;
    EXPECT_EQ(client.Query("SELECT v FROM n ORDER BY k"),
              (Rows{{"100000000000000000000"}, {".00000000015"}}));
}

TEST_F(OciStatement, IntegerDefineTooSmallForTheValueIsOra01455) {
    ASSERT_EQ(client.Run("INSERT INTO emp (id, salary) VALUES (1, 1234567.5)").status, OCI_SUCCESS);
    Statement query(client, "SELECT salary FROM emp");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    int16_t small = 0;
    ASSERT_EQ(Define(query, 1, &small, sizeof small, SQLT_INT), OCI_SUCCESS);
    EXPECT_EQ(query.Status(Fetch(query, 1)).text, "ORA-01455: converting column overflows integer datatype");
}

TEST_F(OciStatement, FetchesInBatchesWithAGrowingRowCount) {
    for (int id = 1; id <= 5; ++id)
        InsertNamed(id, "n" + std::to_string(id));
    Statement query(client, "SELECT id FROM emp ORDER BY id");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROW_COUNT), 0u); // a query delivers no rows yet
    int ids[2] = {};
    ASSERT_EQ(Define(query, 1, ids, sizeof ids[0], SQLT_INT), OCI_SUCCESS);
    ASSERT_EQ(Fetch(query, 2), OCI_SUCCESS);
    EXPECT_EQ(ids[0], 1);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROW_COUNT), 2u);
    ASSERT_EQ(client.oci.OCIStmtFetch(query.stmt, client.err, 2, OCI_FETCH_NEXT, OCI_DEFAULT), OCI_SUCCESS);
    EXPECT_EQ(ids[1], 4);
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROW_COUNT), 4u);
    const sword last = Fetch(query, 2);
    EXPECT_EQ(last, OCI_NO_DATA);
    EXPECT_EQ(query.Status(last).text, "ORA-01403: no data found");
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROWS_FETCHED), 1u);
    EXPECT_EQ(ids[0], 5);
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROW_COUNT), 5u);
}

TEST_F(OciStatement, DescribedQueryExecutesWithItsFirstBatch) {
    for (int id = 1; id <= 3; ++id)
        InsertNamed(id, "n" + std::to_string(id));
    Statement query(client, "SELECT id FROM emp ORDER BY id");
    ASSERT_EQ(query.Execute(0, OCI_DESCRIBE_ONLY), OCI_SUCCESS);
    int ids[2] = {};
    ASSERT_EQ(Define(query, 1, ids, sizeof ids[0], SQLT_INT), OCI_SUCCESS);
    ASSERT_EQ(query.Execute(2), OCI_SUCCESS); // defined first, executed with the batch size
    EXPECT_EQ(ids[0], 1);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROW_COUNT), 2u);
    EXPECT_EQ(Fetch(query, 2), OCI_NO_DATA);
    EXPECT_EQ(ids[0], 3);
    EXPECT_EQ(query.Attr<ub4>(OCI_ATTR_ROW_COUNT), 3u);
}

TEST_F(OciStatement, TruncationReportsOra01406AndTheFullLength) {
    InsertNamed(1, "abcdefgh");
    Statement query(client, "SELECT name FROM emp");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    char name[4] = "";
    sb2 indicator = 0;
    ub2 length = 0, code = 0;
    ASSERT_EQ(Define(query, 1, name, sizeof name, SQLT_STR, &indicator, &length, &code), OCI_SUCCESS);
    const sword status = Fetch(query, 1);
    EXPECT_EQ(status, OCI_SUCCESS_WITH_INFO);
    EXPECT_EQ(query.Status(status).text, "ORA-01406: fetched column value was truncated");
    EXPECT_STREQ(name, "abc");
    EXPECT_EQ(indicator, 8);
    EXPECT_EQ(code, 1406);
}

TEST_F(OciStatement, NullWithoutIndicatorIsOra01405) {
    ASSERT_EQ(client.Run("INSERT INTO emp (id) VALUES (1)").status, OCI_SUCCESS);
    Statement query(client, "SELECT name FROM emp");
    ASSERT_EQ(query.Execute(0), OCI_SUCCESS);
    char name[8];
    ASSERT_EQ(Define(query, 1, name, sizeof name, SQLT_STR), OCI_SUCCESS);
    EXPECT_EQ(query.Status(Fetch(query, 1)).code, 1405);
}

TEST_F(OciStatement, StatementTypeAndFunctionCode) {
    const struct {
        const char* sql;
        ub2 type, code;
    } cases[] = {{"SELECT id FROM emp", 1, 4},
                 {"INSERT INTO emp (id) VALUES (1)", 4, 3},
                 {"UPDATE emp SET name = 'x'", 2, 5},
                 {"DELETE FROM emp", 3, 9}};
    for (const auto& c : cases) {
        Statement stmt(client, c.sql);
        EXPECT_EQ(stmt.Attr<ub2>(OCI_ATTR_STMT_TYPE), c.type) << c.sql;
        EXPECT_EQ(stmt.Attr<ub2>(OCI_ATTR_SQLFNCODE), c.code) << c.sql;
    }
}

TEST_F(OciStatement, RowidOfTheInsertedRowAndRowCountOfChanges) {
    InsertNamed(1, "a");
    Statement insert(client, "INSERT INTO emp (id, name) VALUES (2, 'b')");
    ASSERT_EQ(insert.Execute(1), OCI_SUCCESS);
    OCIRowid* rowid = nullptr;
    ASSERT_EQ(client.oci.OCIDescriptorAlloc(client.env, reinterpret_cast<void**>(&rowid), OCI_DTYPE_ROWID, 0,
                                            nullptr),
              OCI_SUCCESS);
    ASSERT_EQ(client.oci.OCIAttrGet(insert.stmt, OCI_HTYPE_STMT, rowid, nullptr, OCI_ATTR_ROWID, client.err),
              OCI_SUCCESS);
    char text[32] = "";
    ub2 length = sizeof text;
    ASSERT_EQ(client.oci.OCIRowidToChar(rowid, reinterpret_cast<OraText*>(text), &length, client.err),
              OCI_SUCCESS);
    EXPECT_EQ(length, 18);
    EXPECT_EQ(std::string(text, 15), std::string(text, 6) + "AAB" + "AAAAAA"); // file 1, block 0
    EXPECT_EQ(std::string(text + 15, 3), "AAC");                               // the second row
    ub2 small = 10;
    EXPECT_EQ(client.oci.OCIRowidToChar(rowid, reinterpret_cast<OraText*>(text), &small, client.err),
              OCI_ERROR);
    client.oci.OCIDescriptorFree(rowid, OCI_DTYPE_ROWID);

    Statement update(client, "UPDATE emp SET name = 'z'");
    ASSERT_EQ(update.Execute(1), OCI_SUCCESS);
    EXPECT_EQ(update.Attr<ub4>(OCI_ATTR_ROW_COUNT), 2u);
}

TEST_F(OciStatement, ParseErrorReportsItsOffset) {
    const std::string sql = "SELECT name FROM emp WHERE name = 'open";
    Statement query(client, sql);
    EXPECT_EQ(query.Execute(0), OCI_ERROR);
    EXPECT_EQ(query.Attr<ub2>(OCI_ATTR_PARSE_ERROR_OFFSET), sql.find('\''));
}

TEST_F(OciStatement, PrefetchAttributesAreAccepted) {
    Statement query(client, "SELECT id FROM emp");
    ub4 zero = 0;
    EXPECT_EQ(client.oci.OCIAttrSet(query.stmt, OCI_HTYPE_STMT, &zero, sizeof zero, OCI_ATTR_PREFETCH_ROWS,
                                    client.err),
              OCI_SUCCESS);
    EXPECT_EQ(client.oci.OCIAttrSet(query.stmt, OCI_HTYPE_STMT, &zero, sizeof zero, OCI_ATTR_PREFETCH_MEMORY,
                                    client.err),
              OCI_SUCCESS);
    EXPECT_EQ(query.Execute(0), OCI_SUCCESS);
}

TEST_F(OciStatement, ArrayInsertRunsOncePerElement) {
    Statement insert(client, "INSERT INTO emp (id) VALUES (:id)");
    int ids[3] = {10, 20, 30};
    ASSERT_EQ(Bind(insert, ":id", ids, sizeof ids[0], SQLT_INT), OCI_SUCCESS);
    ASSERT_EQ(insert.Execute(3), OCI_SUCCESS);
    EXPECT_EQ(insert.Attr<ub4>(OCI_ATTR_ROW_COUNT), 3u);
    EXPECT_EQ(client.Query("SELECT id FROM emp ORDER BY id"), (Rows{{"10"}, {"20"}, {"30"}}));
    EXPECT_EQ(insert.Status(insert.Execute(0)).code, 24333);
}

// Rows kept as an array of structs; the NULL id of the third row stops the execution there.
TEST_F(OciStatement, ArrayOfStructsStopsAtTheFailingRowKeepingTheRowsBefore) {
    struct Row {
        int id;
        sb2 idIndicator;
        char name[8];
        sb2 nameIndicator;
    } rows[4] = {{1, 0, "a", 0}, {2, 0, "", OCI_IND_NULL}, {3, OCI_IND_NULL, "c", 0}, {4, 0, "d", 0}};
    Statement insert(client, "INSERT INTO emp (id, name) VALUES (:id, :name)");
    OCIBind* id = nullptr;
    OCIBind* name = nullptr;
    client.oci.OCIBindByName(insert.stmt, &id, client.err, reinterpret_cast<const OraText*>(":id"), -1,
                             &rows[0].id, sizeof rows[0].id, SQLT_INT, &rows[0].idIndicator, nullptr, nullptr,
                             0, nullptr, OCI_DEFAULT);
    client.oci.OCIBindByName(insert.stmt, &name, client.err, reinterpret_cast<const OraText*>(":name"), -1,
                             rows[0].name, sizeof rows[0].name, SQLT_STR, &rows[0].nameIndicator, nullptr,
                             nullptr, 0, nullptr, OCI_DEFAULT);
    for (OCIBind* bind : {id, name})
        ASSERT_EQ(client.oci.OCIBindArrayOfStruct(bind, client.err, sizeof(Row), sizeof(Row), 0, 0),
                  OCI_SUCCESS);

    const sword status = insert.Execute(4);
    EXPECT_EQ(insert.Status(status).code, 1400) << insert.Status(status).text;
    EXPECT_EQ(insert.Attr<ub4>(OCI_ATTR_ROW_COUNT), 2u);
    EXPECT_EQ(client.Query("SELECT id, name FROM emp ORDER BY id"), (Rows{{"1", "a"}, {"2", "<null>"}}));
    ASSERT_EQ(client.Rollback().status, OCI_SUCCESS);
    EXPECT_TRUE(client.Query("SELECT id FROM emp").empty());

    rows[2].idIndicator = 0;
    ASSERT_EQ(insert.Execute(4), OCI_SUCCESS);
    EXPECT_EQ(insert.Attr<ub4>(OCI_ATTR_ROW_COUNT), 4u);
    EXPECT_EQ(client.Query("SELECT name FROM emp ORDER BY id"), (Rows{{"a"}, {"<null>"}, {"c"}, {"d"}}));
}

TEST_F(OciStatement, RepreparedTextFollowsSchemaChanges) {
    InsertNamed(1, "a");
    EXPECT_EQ(client.Query("SELECT * FROM emp")[0].size(), 5u);
    ASSERT_EQ(client.Run("DROP TABLE emp").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("CREATE TABLE emp (id NUMBER(9), name VARCHAR2(30))").status, OCI_SUCCESS);
    InsertNamed(1, "a");
    EXPECT_EQ(client.Query("SELECT * FROM emp")[0].size(), 2u);
    for (int i = 0; i < 3; ++i) // the same text again and again, one handle each
        EXPECT_EQ(client.Query("SELECT name FROM emp WHERE id = :id", {{"id", "1"}}), (Rows{{"a"}}));
}

// Descriptions are kept with a repeated text; a new table under the same name must not inherit them.
TEST_F(OciStatement, RepeatedQueryIsDescribedAfreshAfterASchemaChange) {
    const std::string sql = "SELECT hired FROM emp";
    const auto typeOfHired = [&] {
        Statement query(client, sql);
        EXPECT_EQ(query.Execute(0), OCI_SUCCESS);
        void* param = nullptr;
        ub2 type = 0;
        client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, 1);
        client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &type, nullptr, OCI_ATTR_DATA_TYPE, client.err);
        return type;
    };
    ASSERT_EQ(
        client.Run("INSERT INTO emp (id, hired) VALUES (1, TO_DATE('05.03.2023', 'DD.MM.YYYY'))").status,
        OCI_SUCCESS);
    EXPECT_EQ(typeOfHired(), SQLT_DAT);
    EXPECT_EQ(client.Query(sql), (Rows{{"05.03.2023"}}));
    ASSERT_EQ(client.Run("DROP TABLE emp").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("CREATE TABLE emp (id NUMBER(9), hired VARCHAR2(19))").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO emp (id, hired) VALUES (1, '2023-03-05 00:00:00')").status,
              OCI_SUCCESS);
    EXPECT_EQ(typeOfHired(), SQLT_CHR);
    EXPECT_EQ(client.Query(sql), (Rows{{"2023-03-05 00:00:00"}}));
}

TEST_F(OciStatement, CachedStatementsAndPositionalBinds) {
    InsertNamed(1, "a");
    InsertNamed(2, "b");
    const std::string sql = "SELECT name FROM emp WHERE id = :id";
    for (int id = 1; id <= 2; ++id) { // the statement cache's path: prepare2, execute, release
        OCIStmt* stmt = nullptr;
        ASSERT_EQ(client.oci.OCIStmtPrepare2(
                      client.svc, &stmt, client.err, reinterpret_cast<const OraText*>(sql.c_str()),
                      static_cast<ub4>(sql.size()), nullptr, 0, OCI_NTV_SYNTAX, OCI_DEFAULT),
                  OCI_SUCCESS);
        OCIBind* bind = nullptr;
        ASSERT_EQ(client.oci.OCIBindByPos(stmt, &bind, client.err, 1, &id, sizeof id, SQLT_INT, nullptr,
                                          nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
                  OCI_SUCCESS);
        ASSERT_EQ(
            client.oci.OCIStmtExecute(client.svc, stmt, client.err, 0, 0, nullptr, nullptr, OCI_DEFAULT),
            OCI_SUCCESS);
        char name[8] = "";
        OCIDefine* define = nullptr;
        client.oci.OCIDefineByPos(stmt, &define, client.err, 1, name, sizeof name, SQLT_STR, nullptr, nullptr,
                                  nullptr, OCI_DEFAULT);
        ASSERT_EQ(client.oci.OCIStmtFetch2(stmt, client.err, 1, OCI_FETCH_NEXT, 0, OCI_DEFAULT), OCI_SUCCESS);
        EXPECT_STREQ(name, id == 1 ? "a" : "b");
        EXPECT_EQ(client.oci.OCIStmtRelease(stmt, client.err, nullptr, 0, OCI_DEFAULT), OCI_SUCCESS);
    }
    Statement beyond(client, sql);
    int id = 1;
    OCIBind* bind = nullptr;
    EXPECT_EQ(client.oci.OCIBindByPos(beyond.stmt, &bind, client.err, 2, &id, sizeof id, SQLT_INT, nullptr,
                                      nullptr, nullptr, 0, nullptr, OCI_DEFAULT),
              OCI_ERROR);
}

TEST_F(OciStatement, ExecuteWithoutSessionIsOra01012) {
    Client fresh;
    Statement early(fresh, "SELECT id FROM emp");
    EXPECT_EQ(early.Execute(0), OCI_ERROR);
    EXPECT_EQ(early.Status(OCI_ERROR).code, 1012);
}

} // namespace
