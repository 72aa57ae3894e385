// Stored procedures and anonymous blocks over the test engine: parameters IN / OUT, SELECT INTO,
// assignments, IF / ELSIF / ELSE, COMMIT, RAISE_APPLICATION_ERROR, the error texts and the undoing
// of a failed block's own work.
#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace orasql;
using namespace orasql::test;

namespace {

class Procedures : public ::testing::Test {
protected:
    void SetUp() override {
        db.Script(R"(
CREATE TABLE log (n NUMBER, txt VARCHAR2(40), d DATE);
CREATE OR REPLACE PROCEDURE classify (p_n IN NUMBER, p_day IN VARCHAR2, p_kind OUT VARCHAR2, p_count OUT NUMBER) AS
  v_half NUMBER := p_n / 2;
BEGIN
  INSERT INTO log (n, txt, d) VALUES (p_n, 'classify', p_day);
  IF p_n < 0 THEN
    RAISE_APPLICATION_ERROR(-20001, 'Negativno: ' || p_n);
  ELSIF v_half = 1 THEN
    p_kind := 'two';
  ELSIF p_n > 100 THEN
    p_kind := 'big';
  ELSE
    p_kind := 'other';
  END IF;
  SELECT COUNT(*) INTO p_count FROM log WHERE d = p_day;
END classify;
/
)");
    }
    TestDatabase db;
};

} // namespace

TEST_F(Procedures, CallWithLiteralsAndOutBindsInAnySpacingAndCase) {
    db.Exec(" begin CLASSIFY( 2, '05.03.2023', :kind, :Cnt ) ; end; ");
    EXPECT_EQ(Text(db.lastBinds.at("KIND")), "two");
    EXPECT_EQ(Text(db.lastBinds.at("CNT")), "1");
    db.Exec("BEGIN\n  classify(500,'05.03.2023',:kind,:cnt);\nEND;");
    EXPECT_EQ(Text(db.lastBinds.at("KIND")), "big");
    EXPECT_EQ(Text(db.lastBinds.at("CNT")), "2");
    db.Exec("begin classify(:n, :d, :kind, :cnt); end;",
            {{"N", int64_t{7}}, {"D", std::string("06.03.2023")}});
    EXPECT_EQ(Text(db.lastBinds.at("KIND")), "other");
    EXPECT_EQ(db.One("select to_char(d) from log where n = 7"), "06.03.2023");
}

TEST_F(Procedures, RaiseApplicationErrorIsReportedWithItsCallStack) {
    EXPECT_EQ(db.Error("begin classify(-5, '05.03.2023', :k, :c); end;"),
              "ORA-20001: Negativno: -5\nORA-06512: at \"DEMO.CLASSIFY\", line 6\nORA-06512: at line 1");
    db.Exec("create procedure outer_p as begin\n  null;\n  classify(-1, '05.03.2023', v, w);\nend;");
}

TEST_F(Procedures, AFailedBlockUndoesItsOwnWorkButNotCommittedWork) {
    db.Exec("insert into log (n) values (1)");
    db.Error("begin classify(-5, '05.03.2023', :k, :c); end;");
    EXPECT_EQ(db.One("select count(*) from log"), "1")
        << "the insert before the block stays, the block's goes";
    db.Exec("create or replace procedure keep as begin insert into log (n) values (2); commit; "
            "insert into log (n) values (3); raise_application_error(-20002, 'stop'); end;");
    EXPECT_EQ(db.Error("begin keep; end;").substr(0, 15), "ORA-20002: stop");
    EXPECT_EQ(db.Exec("select n from log order by n"), (Rows{{"1"}, {"2"}}));
}

TEST_F(Procedures, RuntimeErrorsInsideCarryTheirOwnCode) {
    db.Exec("create or replace procedure divide (a in number, r out number) is\nbegin\n  r := a / 0;\nend;");
    EXPECT_EQ(
        db.Error("begin divide(1, :r); end;"),
        "ORA-01476: divisor is equal to zero\nORA-06512: at \"DEMO.DIVIDE\", line 3\nORA-06512: at line 1");
    db.Exec("create or replace procedure fetch_one (r out number) is begin select n into r from log; end;");
    EXPECT_EQ(db.Error("begin fetch_one(:r); end;").substr(0, 29), "ORA-01403: no data found\nORA-");
    db.Exec("insert into log (n) values (1)");
    db.Exec("insert into log (n) values (2)");
    EXPECT_EQ(db.Error("begin fetch_one(:r); end;").substr(0, 75),
              "ORA-01422: exact fetch returns more than requested number of rows\nORA-06512");
}

TEST_F(Procedures, NamesThatDoNotResolveAreCompilationErrors) {
    EXPECT_EQ(db.Error("begin nothere(1); end;"),
              "ORA-06550: line 1, column 7:\nPLS-00201: identifier 'NOTHERE' must be declared\n"
              "ORA-06550: line 1, column 7:\nPL/SQL: Statement ignored");
    EXPECT_EQ(
        db.Error("begin classify(1); end;"),
        "ORA-06550: line 1, column 7:\nPLS-00306: wrong number or types of arguments in call to 'CLASSIFY'\n"
        "ORA-06550: line 1, column 7:\nPL/SQL: Statement ignored");
    const std::string syntax = db.Error("begin classify(1, 2 :x); end;");
    EXPECT_EQ(syntax.substr(0, 60), "ORA-06550: line 1, column 21:\nPLS-00103: Encountered the sym");
    EXPECT_EQ(db.Error("declare n number; begin m := 1; end;").substr(0, 73),
              "ORA-06550: line 1, column 25:\nPLS-00201: identifier 'M' must be declared\n");
}

TEST_F(Procedures, DeclareBlocksAssignmentsAndCommit) {
    db.Exec("declare n number := 40; begin n := n + 2; insert into log (n) values (n); commit; end;");
    EXPECT_EQ(db.One("select n from log"), "42");
    db.Exec("begin null; end;");
}

TEST_F(Procedures, AssignmentsConvertToTheDeclaredType) {
    db.Exec("declare d date := '05.03.2023'; n number := '4.50'; t varchar2(10) := 0.5; begin "
            "insert into log (n, txt, d) values (d - to_date('01.03.2023', 'DD.MM.YYYY') + n, t, d); end;");
    EXPECT_EQ(db.Exec("select n, txt, to_char(d) from log"), (Rows{{"8.5", ".5", "05.03.2023"}}));
    EXPECT_EQ(db.Error("declare d date; begin d := '31.02.2023'; end;").substr(0, 48),
              "ORA-01839: date not valid for month specified\nOR");
    EXPECT_EQ(db.Error("begin classify('x', '05.03.2023', :k, :c); end;"),
              "ORA-06502: PL/SQL: numeric or value error: character to number conversion error\n"
              "ORA-06512: at line 1");
}

TEST_F(Procedures, ColumnsWinOverVariablesOfTheSameName) {
    db.Exec("insert into log (n, txt) values (5, 'five')");
    db.Exec("create or replace procedure same (n in number, r out varchar2) as begin "
            "select max(txt) into r from log where n = 5; end;");
    db.Exec("begin same(99, :r); end;");
    EXPECT_EQ(Text(db.lastBinds.at("R")), "five");
}

TEST_F(Procedures, RunawayRecursionEndsInAnError) {
    db.Exec("create or replace procedure again (n in number) as begin again(n + 1); end;");
    EXPECT_EQ(db.Error("begin again(1); end;").substr(0, 70),
              "ORA-00036: maximum number of recursive SQL levels (50) exceeded\nORA-06");
}

// Strings of the procedure language reach 32,767 bytes; SQL inside a block, a column and a declared
// length still hold theirs.
TEST_F(Procedures, LanguageStringsReach32767BytesWhereSqlStopsAt4000) {
    db.Exec(
        "DECLARE v VARCHAR2(32767) := RPAD('x', 4000, 'x');\nBEGIN\n  v := v || v || RPAD('y', 24767, 'y');\n"
        "  INSERT INTO log (n) VALUES (LENGTH(v));\nEND;");
    EXPECT_EQ(db.One("SELECT n FROM log"), "32767");
    const std::string tooSmall =
        "ORA-06502: PL/SQL: numeric or value error: character string buffer too small";
    const std::string x4000 = "DECLARE v VARCHAR2(32767) := RPAD('x', 4000, 'x'); BEGIN ";
    for (const auto& [sql, error] : std::vector<std::pair<std::string, std::string>>{
             {x4000 + "v := v || v || v || v || v || v || v || v || v; END;", tooSmall},
             {x4000 + "IF LENGTH(v || v || v || v || v || v || v || v || v) > 0 THEN NULL; END IF; END;",
              tooSmall},
             {"DECLARE v VARCHAR2(3); BEGIN v := 'abcd'; END;", tooSmall},
             {"DECLARE v VARCHAR2(2 CHAR); BEGIN v := 'čšž'; END;", tooSmall},
             {x4000 + "INSERT INTO log (txt) VALUES (v || 'x'); END;", "ORA-01489"},
             {x4000 + "INSERT INTO log (txt) VALUES (v); END;", "ORA-12899"},
             {"SELECT RPAD('x', 4000, 'x') || 'x' FROM dual", "ORA-01489"}})
        EXPECT_EQ(db.Error(sql).rfind(error, 0), 0u) << sql << "\n" << db.Error(sql);
    db.Exec("DECLARE v VARCHAR2(3 CHAR); BEGIN v := 'čšž'; END;"); // three characters in six bytes
    // Cut at 4,000 bytes on a whole character (x and 1,999 č), never built to 8 GB first.
    EXPECT_EQ(db.One("SELECT LENGTH(RPAD('x', 2000000000, 'č')) FROM dual"), "2000");
}
