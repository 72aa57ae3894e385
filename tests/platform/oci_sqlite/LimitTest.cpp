// Values and statements at and past Oracle's limits: what Oracle accepts runs, what it refuses is
// refused with Oracle's error, never an internal error, a stored infinity or a string without bound.
#include "OciClient.h"

#include <gtest/gtest.h>

using namespace ocitest;

namespace {

std::string Repeat(const std::string& first, const std::string& next, int count) {
    std::string out = first;
    for (int i = 1; i < count; ++i)
        out += next;
    return out;
}

std::string Nested(const std::string& function, int depth) {
    return Repeat(function + "(", function + "(", depth) + "1" + std::string(depth, ')');
}

struct LimitCase {
    std::string sql;
    int code; // 0: runs
};

class OciLimits : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(client.Logon(CreateTestDatabase("limits")).status, OCI_SUCCESS);
        ASSERT_EQ(client.Run("CREATE TABLE n (v NUMBER)").status, OCI_SUCCESS);
    }
    Client client;
};

TEST_F(OciLimits, OracleRangesAndLimitsHold) {
    const std::string nestedReplace =
        Repeat("replace(", "replace(", 12) + "'ab'" + Repeat(", 'a', 'aaaaaaaa')", ", 'a', 'aaaaaaaa')", 12);
    const LimitCase cases[] = {
        {"INSERT INTO n (v) VALUES (1e309)", 1426},
        {"INSERT INTO n (v) VALUES (-1e400)", 1426},
        {"INSERT INTO n (v) VALUES (1e126)", 1426},
        {"INSERT INTO n (v) VALUES (-9.99e125)", 0},
        {"INSERT INTO n (v) VALUES (1e100 * 1e100)", 1426},
        {"INSERT INTO n (v) VALUES (9e125 + 9e125)", 1426},
        {"SELECT 1e309 FROM dual", 1426},
        {"SELECT " + Repeat("1", " + 1", 1000) + " FROM dual", 0},
        {"SELECT " + Repeat("1", " - 1", 300) + " FROM dual", 0},
        {"SELECT " + Repeat("'a'", " || 'a'", 1000) + " FROM dual", 0},
        {"SELECT " + Repeat("'aaaaa'", " || 'aaaaa'", 801) + " FROM dual", 1489},
        {"SELECT " + nestedReplace + " FROM dual", 1489},
        {"SELECT " + Nested("abs", 25) + " FROM dual", 0},
        {"SELECT " + Nested("abs", 255) + " FROM dual", 0},
        {"SELECT " + Nested("abs", 320) + " FROM dual", 36},
        {"SELECT " + Repeat("(", "(", 1000) + "1" + std::string(1000, ')') + " FROM dual", 36},
    };
    for (const LimitCase& c : cases) {
        const OciStatus status = client.Run(c.sql);
        EXPECT_EQ(status.code, c.code) << c.sql.substr(0, 80) << "\n" << status.text;
    }
    EXPECT_EQ(client.Query("SELECT " + Repeat("1", " + 1", 1000) + " FROM dual"), (Rows{{"1000"}}));
    EXPECT_EQ(client.Query("SELECT count(*) FROM n"), (Rows{{"1"}})); // only the value in range
}

TEST_F(OciLimits, InfiniteAndNanBindsAreOverflow) {
    for (double value : {1.0 / 0.0, -1.0 / 0.0, 0.0 / 0.0, 2e200}) {
        Statement insert(client, "INSERT INTO n (v) VALUES (:v)");
        OCIBind* bind = nullptr;
        client.oci.OCIBindByName(insert.stmt, &bind, client.err, reinterpret_cast<const OraText*>(":v"), -1,
                                 &value, sizeof value, SQLT_FLT, nullptr, nullptr, nullptr, 0, nullptr,
                                 OCI_DEFAULT);
        EXPECT_EQ(insert.Status(insert.Execute(1)).code, 1426) << value;
    }
    EXPECT_TRUE(client.Query("SELECT v FROM n").empty());
}

// Calls nested deeper than SQLite's parser goes run wherever an expression stands and give what the
// same calls give shallow; strings with parentheses and quotes pass whole, an error keeps its code.
TEST_F(OciLimits, DeeplyNestedCallsRunWhereverTheyStand) {
    const auto nvl = [](const std::string& inner) {
        return Repeat("nvl(", "nvl(", 60) + inner + Repeat(", 0)", ", 0)", 60);
    };
    ASSERT_EQ(client.Run("INSERT INTO n (v) VALUES (" + nvl("-5") + ")").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("UPDATE n SET v = " + nvl("v - 1") + " WHERE " + nvl("v") + " = -5").status,
              OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT " + nvl("abs(v)") + " FROM n WHERE " + nvl("v") + " < :x", {{"x", "0"}}),
              (Rows{{"6"}}));
    const std::string replaced =
        Repeat("replace(", "replace(", 60) + "'a(b)''c'" + Repeat(", 'z', ')')", ", 'z', ')')", 60);
    EXPECT_EQ(client.Query("SELECT " + replaced + " FROM dual"), (Rows{{"a(b)'c"}}));
    // Each level emitted once: a type taken from the first argument cost 2^depth before.
    EXPECT_EQ(client.Query("SELECT " + Repeat("round(", "round(", 60) + "1.234" + Repeat(", 2)", ", 2)", 60) +
                           " FROM dual"),
              (Rows{{"1.23"}}));
    EXPECT_EQ(client.Run("SELECT " + nvl("1") + " / 0 FROM dual").code, 1476);
    ASSERT_EQ(client.Run("DECLARE x NUMBER; BEGIN x := " + nvl("7") + "; INSERT INTO n (v) VALUES (x); END;")
                  .status,
              OCI_SUCCESS);
    EXPECT_EQ(client.Query("SELECT v FROM n ORDER BY v"), (Rows{{"-6"}, {"7"}}));
}

} // namespace
