// Thousands of generated statements, well-formed and not, from a fixed seed: the engine answers each
// with a result or an Oracle error, never a crash, a hang or an internal error.
#include "OciClient.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>

using namespace ocitest;

namespace {

class SqlGenerator {
public:
    explicit SqlGenerator(unsigned seed) : random_(seed) {}

    std::string Statement() {
        switch (Pick(8)) {
        case 0:
            return TokenSoup();
        case 1:
            return "INSERT INTO t (n, s, d) VALUES (" + Expression(3) + ", " + Expression(3) + ", " +
                   Expression(2) + ")";
        case 2:
            return "UPDATE t SET n = " + Expression(3) + " WHERE " + Condition(3);
        case 3:
            return "DELETE FROM t WHERE " + Condition(3);
        case 4:
            return "SELECT " + Expression(4) + " FROM t WHERE " + Condition(2) + " ORDER BY 1" +
                   (Pick(4) == 0 ? " FOR UPDATE NOWAIT" : "");
        case 5:
            return "SELECT count(*), sum(" + Expression(2) + ") FROM t GROUP BY s HAVING " + Condition(2);
        default:
            return "SELECT " + Expression(5) + " FROM dual";
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <size_t N> const char* From(const char* const (&items)[N]) {
        return items[Pick(static_cast<int>(N))];
    }

    std::string Chain(const char* op, int terms) {
        std::string out = Expression(0);
        for (int i = 1; i < terms; ++i)
            out += std::string(" ") + op + " " + Expression(0);
        return out;
    }

    std::string Expression(int depth) {
        static const char* const leaves[] = {
            "n",  "s",      "d",       "1",    "0",       "-7.25",        "'x'",
            "''", "'12.5'", "'it''s'", "NULL", "sysdate", "'01.02.2024'", "n",
            "1"};
        static const char* const hostile[] = {"1e125", "1e309", "-1e400", "9.99e125", ":b", "rownum"};
        if (depth <= 0 || Pick(4) == 0)
            return Pick(20) == 0 ? From(hostile) : From(leaves);
        static const char* const unary[] = {"abs",     "upper", "lower", "length", "to_number",
                                            "to_char", "trunc", "round", "ltrim",  "rtrim"};
        static const char* const binary[] = {"nvl", "mod", "substr", "instr", "round", "to_date", "to_char"};
        static const char* const ops[] = {"+", "-", "*", "/", "||"};
        switch (Pick(9)) {
        case 0:
            return std::string(From(unary)) + "(" + Expression(depth - 1) + ")";
        case 1:
            return std::string(From(binary)) + "(" + Expression(depth - 1) + ", " + Expression(depth - 1) +
                   ")";
        case 2:
            return "decode(" + Expression(depth - 1) + ", " + Expression(0) + ", " + Expression(depth - 1) +
                   ", " + Expression(0) + ")";
        case 3:
            return "CASE WHEN " + Condition(depth - 1) + " THEN " + Expression(depth - 1) + " ELSE " +
                   Expression(0) + " END";
        case 4:
            return "replace(" + Expression(depth - 1) + ", " + Expression(0) + ", " + Expression(depth - 1) +
                   ")";
        case 5:
            return Chain(From(ops), 1 + Pick(Pick(10) == 0 ? 1500 : 20));
        case 6: {
            const int levels = Pick(Pick(10) == 0 ? 300 : 10);
            return std::string(static_cast<size_t>(levels), '(') + Expression(depth - 1) +
                   std::string(static_cast<size_t>(levels), ')');
        }
        case 7:
            return "(SELECT max(" + Expression(depth - 1) + ") FROM t)";
        default:
            return Expression(depth - 1) + " " + From(ops) + " " + Expression(depth - 1);
        }
    }

    std::string Condition(int depth) {
        static const char* const comparisons[] = {"=", "<>", "<", ">=", "LIKE"};
        switch (Pick(5)) {
        case 0:
            return Expression(depth) + " IS " + (Pick(2) ? "NOT " : "") + "NULL";
        case 1:
            return Expression(depth) + " BETWEEN " + Expression(0) + " AND " + Expression(0);
        case 2:
            return Expression(depth) + " IN (" + Expression(0) + ", " + Expression(0) + ")";
        case 3:
            return "NOT (" + Condition(depth - 1) + ") " + (Pick(2) ? "AND " : "OR ") + Condition(depth - 1);
        default:
            return Expression(depth) + " " + From(comparisons) + " " + Expression(depth);
        }
    }

    std::string TokenSoup() {
        static const char* const tokens[] = {
            "SELECT", "FROM",  "WHERE", "dual",  "t",     "n",   "(",      ")",      ",",
            "+",      "||",    "=",     "AND",   "OR",    "NOT", "NULL",   "IN",     "BETWEEN",
            "'a",     "'b'",   "1",     "1e999", ":x",    "nvl", "decode", "CASE",   "WHEN",
            "END",    "UNION", "ORDER", "BY",    "GROUP", "FOR", "UPDATE", "INSERT", "INTO",
            "VALUES", "\"q",   ";",     "--",    "/*",    "*"};
        std::string out;
        for (int i = 0, n = 1 + Pick(40); i < n; ++i)
            out += std::string(From(tokens)) + " ";
        return out;
    }

    std::mt19937 random_;
};

TEST(OciGeneratedSql, ThousandsOfTextsGetAnAnswerNeverACrashOrAHang) {
    Client client;
    ASSERT_EQ(client.Logon(CreateTestDatabase("generated")).status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("CREATE TABLE t (n NUMBER, s VARCHAR2(4000), d DATE)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("INSERT INTO t VALUES (1, 'a', sysdate)").status, OCI_SUCCESS);
    SqlGenerator generator(20261209);
    for (int i = 0; i < 3000; ++i) {
        const std::string sql = generator.Statement();
        const auto start = std::chrono::steady_clock::now();
        const OciStatus status = client.Run(sql);
        const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(seconds, 10.0) << sql.substr(0, 200);
        EXPECT_NE(status.code, 600) << sql.substr(0, 200) << "\n" << status.text;
        if (i % 50 == 0)
            client.Rollback();
    }
}

} // namespace
