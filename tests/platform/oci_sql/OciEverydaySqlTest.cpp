// The everyday SQL a console user types, through the client entry points: one table of statement
// text and the value (or ORA code) it must give, then the exact case of quoted names and the
// NUMBER(p,s) limits.
#include "OciClient.h"

#include <gtest/gtest.h>

using namespace ocitest;

namespace {

struct Case {
    const char* sql;
    const char* expected;
};

class OciEverydaySql : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(client.Logon(CreateTestDatabase("everyday")).status, OCI_SUCCESS);
        for (const char* sql : {
                 "CREATE TABLE emp (id NUMBER(9), name VARCHAR2(10), dept NUMBER(9), pay NUMBER(7,2), "
                 "hired DATE)",
                 "INSERT INTO emp VALUES (1, 'Ana', 10, 300, '31.01.2023')",
                 "INSERT INTO emp VALUES (2, 'Bor', 10, 200, '15.02.2023')",
                 "INSERT INTO emp VALUES (3, 'Cene', 20, 200, '28.02.2023 13:30:00')",
                 "INSERT INTO emp VALUES (4, 'Dana', 20, NULL, NULL)",
                 "INSERT INTO emp VALUES (5, 'Eva', 20, 100, '01.03.2024')",
             })
            ASSERT_EQ(client.Run(sql).status, OCI_SUCCESS) << sql << "\n" << client.Run(sql).text;
    }

    // Rows joined by "|", columns by ","; a failure gives its "ORA-NNNNN" code alone. A statement
    // other than a query gives "" when it succeeds.
    std::string Outcome(const std::string& sql) {
        if (sql.rfind("select", 0) != 0 && sql.rfind("with", 0) != 0) {
            const OciStatus status = client.Run(sql);
            return status.status == OCI_SUCCESS ? "" : status.text.substr(0, 9);
        }
        try {
            std::string out;
            for (const auto& row : client.Query(sql)) {
                out += out.empty() ? "" : "|";
                for (size_t i = 0; i < row.size(); ++i)
                    out += (i ? "," : "") + row[i];
            }
            return out;
        } catch (const std::runtime_error& e) {
            return std::string(e.what()).substr(0, 9);
        }
    }

    void ExpectAll(std::initializer_list<Case> cases) {
        for (const Case& c : cases)
            EXPECT_EQ(Outcome(c.sql), c.expected) << c.sql;
    }

    std::vector<std::string> DescribedNames(const std::string& sql) {
        Statement query(client, sql);
        EXPECT_EQ(query.Execute(0), OCI_SUCCESS) << query.Status(OCI_ERROR).text;
        std::vector<std::string> names;
        for (ub4 i = 1; i <= query.Attr<ub4>(OCI_ATTR_PARAM_COUNT); ++i) {
            void* param = nullptr;
            char* name = nullptr;
            ub4 length = 0;
            client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, i);
            client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, client.err);
            names.emplace_back(name, length);
        }
        return names;
    }

    Client client;
};

} // namespace

TEST_F(OciEverydaySql, QuotedNamesKeepTheirCaseUnquotedOnesFoldToUpperCase) {
    ASSERT_EQ(client.Run("create table \"Mixed\" (\"MixedCase\" number, plain number)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("insert into \"Mixed\" values (1, 2)").status, OCI_SUCCESS);
    EXPECT_EQ(
        DescribedNames("select \"MixedCase\", plain, 3 AS \"Three\", 4 four, name || 'x', "
                       "\"MixedCase\" + 1 from \"Mixed\", emp where id = 1"),
        (std::vector<std::string>{"MixedCase", "PLAIN", "Three", "FOUR", "NAME||'X'", "\"MixedCase\"+1"}));
    EXPECT_EQ(DescribedNames("select * from \"Mixed\""), (std::vector<std::string>{"MixedCase", "PLAIN"}));
    EXPECT_EQ(
        client.Run("select mixedcase from \"Mixed\"").text.rfind("ORA-00904: \"MIXEDCASE\": invalid", 0), 0u);
    EXPECT_EQ(client.Run("select * from mixed").code, 942);
    ASSERT_EQ(client.Run("create table \"Keep\" (\"Id\" number not null)").status, OCI_SUCCESS);
    const OciStatus nullInto = client.Run("insert into \"Keep\" values (null)");
    EXPECT_EQ(nullInto.text.rfind("ORA-01400: cannot insert NULL into (\"SCOTT\".\"Keep\".\"Id\")", 0), 0u)
        << nullInto.text;
    ASSERT_EQ(client.Run("create sequence \"Seq\"").status, OCI_SUCCESS);
    EXPECT_EQ(Outcome("select \"Seq\".nextval from dual"), "1");
    EXPECT_EQ(Outcome("select seq.nextval from dual"), "ORA-02289");
}

TEST_F(OciEverydaySql, NumberPrecisionAndScaleAcceptEveryValueThatFits) {
    ASSERT_EQ(client.Run("create table amounts (a number(18,2), b number(38), c number(3,5), d number(5,-2))")
                  .status,
              OCI_SUCCESS);
    ExpectAll({
        {"insert into amounts (a) values (9999999999999999.99)", ""},
        {"insert into amounts (a) values (-9999999999999999.99)", ""},
        {"insert into amounts (a) values (99999999999999999.99)", "ORA-01438"},
        {"insert into amounts (a) values (1234567890123.45)", ""},
        {"insert into amounts (b) values (99999999999999999999999999999999999999)", ""},
        {"insert into amounts (b) values (999999999999999999999999999999999999999)", "ORA-01438"},
        {"insert into amounts (b) values (123456789012345678)", ""},
        {"insert into amounts (c) values (0.00123)", ""},
        {"insert into amounts (c) values (0.01)", "ORA-01438"},
        {"insert into amounts (d) values (1234567)", ""},
        {"insert into amounts (d) values (12345678)", "ORA-01438"},
        {"update amounts set a = a, b = b", ""},
        {"select to_char(a) from amounts where a = 1234567890123.45", "1234567890123.45"},
        {"select b from amounts where b < 1e37 and b > 0", "123456789012345678"},
        {"select c from amounts where c is not null", ".00123"},
        {"select d from amounts where d is not null", "1234600"},
        {"create table wide (x number(39))", "ORA-01727"},
    });
}
