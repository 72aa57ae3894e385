// Array DML through the layer: rows sent in one execution arrive exactly as single-row inserts
// would leave them, and a failing row stops the execution with an error that names it.
#include "EngineFixture.h"

#include "platform/settings/DateTime.h"
#include "platform/settings/Locale.h"

using namespace oracletest;

namespace {

class ArrayDmlTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Locale() = TLocale::Slovenian();
        LogOn(Session);
        Insert.SetSession(&Session);
    }
    void Declare(const std::string& table) {
        Insert.SetSQLText("insert into " + table + " (k, n, f, t, d) values (:k, :n, :f, :t, :d)");
        Insert.AddVariable("k", otType::otInteger);
        Insert.AddVariable("n", otType::otInteger);
        Insert.AddVariable("f", otType::otFloat);
        Insert.AddVariable("t", otType::otString);
        Insert.AddVariable("d", otType::otDate);
    }
    std::vector<std::string> Rows(const std::string& table) {
        return Column(Session, "select k || '|' || n || '|' || f || '|' || t || '|' || "
                               "to_char(d, 'dd.mm.yyyy hh24:mi:ss') from " +
                                   table + " order by k");
    }
    TOracleQuery Insert;
};

const char* const kNames[] = {"k", "n", "f", "t", "d"};

} // namespace

TEST_F(ArrayDmlTest, ArrayRowsArriveAsSingleRowInsertsLeaveThem) {
    Run(Session, {"create table single_rows (k number(9), n number(9), f number, t varchar2(30), d date)",
                  "create table array_rows (k number(9), n number(9), f number, t varchar2(30), d date)"});
    const TVariant null;
    const std::vector<std::vector<TVariant>> rows = {
        {TVariant::FromInteger(1), TVariant::FromInteger(123456789), TVariant::FromFloat(0.1),
         TVariant::FromText("Žabja 'pot'"), TVariant::FromDateTime(EncodeDate(2023, 3, 5) + 0.5734606481)},
        {TVariant::FromInteger(2), null, null, null, null},
        {TVariant::FromInteger(3), TVariant::FromInteger(-5), TVariant::FromFloat(-1234567.891),
         TVariant::FromText(""), TVariant::FromDateTime(0)},
        {TVariant::FromInteger(4), TVariant::FromInteger(0), TVariant::FromFloat(1e20),
         TVariant::FromText(std::string(30, 'x')), TVariant::FromDateTime(EncodeDate(1999, 12, 31))}};

    Declare("single_rows");
    for (const auto& row : rows) {
        for (size_t column = 0; column < row.size(); ++column)
            Insert.AssignVariable(kNames[column], row[column]);
        Insert.Execute();
    }
    Declare("array_rows");
    Insert.SetArraySize(static_cast<int>(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            Insert.AssignVariableElement(kNames[column], static_cast<int>(row), rows[row][column]);
    EXPECT_EQ(Insert.ArraySize(), 4);
    EXPECT_NE(Insert.VariablesText().find("\r\n:T[0] = Žabja 'pot'\r\n:D[0] = 05.03.2023 13:45:47"),
              std::string::npos)
        << Insert.VariablesText();
    Insert.Execute();
    EXPECT_EQ(Insert.ProcessedRows(), 4);

    EXPECT_EQ(Rows("array_rows"), Rows("single_rows"));
    EXPECT_EQ(Rows("array_rows").size(), 4u);
}

TEST_F(ArrayDmlTest, AFailingRowStopsTheArrayAndTheErrorNamesIt) {
    Run(Session, {"create table t (k number(9) not null, n number(9), f number, t varchar2(30), d date)"});
    Declare("t");
    Insert.AssignVariableArray(
        "k", {TVariant::FromInteger(1), TVariant::FromInteger(2), TVariant(), TVariant::FromInteger(4)});
    for (const char* name : {"n", "f", "t", "d"})
        Insert.AssignVariableArray(name, std::vector<TVariant>(4));
    try {
        Insert.Execute();
        FAIL() << "the NULL key went in";
    } catch (const EOracleError& error) {
        EXPECT_EQ(error.ErrorCode(), 1400);
        EXPECT_EQ(error.ErrorRow(), 2);
        const std::string text = error.what();
        EXPECT_EQ(text.substr(0, 10), "ORA-01400:");
        EXPECT_EQ(text.substr(text.size() - 19), " [array row 3 of 4]");
    }
    // The rows before it stay in the open transaction, as with Oracle; the caller decides.
    EXPECT_EQ(Column(Session, "select k from t order by k"), (std::vector<std::string>{"1", "2"}));
    Session.Rollback();
    EXPECT_TRUE(Column(Session, "select k from t").empty());

    Insert.AssignVariableArray("k", {TVariant::FromInteger(1), TVariant::FromInteger(2)});
    EXPECT_THROW(
        {
            try {
                Insert.Execute();
            } catch (const Exception& error) {
                EXPECT_STREQ(error.what(), "All arrays must be of equal size for Array DML");
                throw;
            }
        },
        Exception);
}

TEST_F(ArrayDmlTest, ArrayErrorEventDecidesWhetherTheRowsAfterAFailingOneGoIn) {
    Run(Session, {"create table t (k number(9) not null, n number(9), f number, t varchar2(30), d date)"});
    const struct {
        bool Continue;
        std::string Reported;
        std::vector<std::string> Stored;
    } cases[] = {{true, "1:1400 3:1400 ", {"1", "3"}}, {false, "1:1400 ", {"1"}}};
    for (const auto& c : cases) {
        Declare("t");
        Insert.AssignVariableArray(
            "k", {TVariant::FromInteger(1), TVariant(), TVariant::FromInteger(3), TVariant()});
        for (const char* name : {"n", "f", "t", "d"})
            Insert.AssignVariableArray(name, std::vector<TVariant>(4));
        std::string reported;
        Insert.OnArrayError = [&](TOracleQuery&, int index, int code, const std::string& message, bool& go) {
            EXPECT_FALSE(go); // stopping is the default
            EXPECT_EQ(message.substr(0, 10), "ORA-01400:");
            reported += std::to_string(index) + ":" + std::to_string(code) + " ";
            go = c.Continue;
        };
        try {
            Insert.Execute();
            EXPECT_TRUE(c.Continue);
            EXPECT_EQ(Insert.ProcessedRows(), 2);
        } catch (const EOracleError& error) {
            EXPECT_FALSE(c.Continue);
            EXPECT_EQ(error.ErrorRow(), 1);
        }
        EXPECT_EQ(reported, c.Reported);
        EXPECT_EQ(Column(Session, "select k from t order by k"), c.Stored);
        Session.Rollback();
    }
}
