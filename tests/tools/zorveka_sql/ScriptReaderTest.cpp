// Statement boundaries of scripts and the console's value texts.
#include "ScriptReader.h"
#include "RowPrinter.h"

#include "platform/settings/DateTime.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Split(const std::string& script) {
    std::istringstream input(script);
    TScriptReader reader(input);
    std::vector<std::string> statements;
    for (std::string statement; reader.Next(statement);)
        statements.push_back(statement);
    return statements;
}

} // namespace

TEST(ScriptReaderTest, SqlEndsWithSemicolonAtLineEnd) {
    EXPECT_EQ(Split("select 'a;b'\n  from dual;\n\n-- note\ninsert into t values (1);  \n"),
              (std::vector<std::string>{"select 'a;b'\n  from dual", "insert into t values (1)"}));
}

TEST(ScriptReaderTest, PlsqlUnitsEndAtASlashLineOnly) {
    EXPECT_EQ(Split("begin\n  x;\n  y;\nend;\n/\nselect 1 from dual;\n"),
              (std::vector<std::string>{"begin\n  x;\n  y;\nend;", "select 1 from dual"}));
    EXPECT_EQ(Split("create or replace procedure p as\nbegin\n  null;\nend;\n/\n"),
              (std::vector<std::string>{"create or replace procedure p as\nbegin\n  null;\nend;"}));
    EXPECT_EQ(Split("DECLARE n number;\nBEGIN n := 1; END;\n/"),
              (std::vector<std::string>{"DECLARE n number;\nBEGIN n := 1; END;"}));
}

TEST(ScriptReaderTest, UnterminatedLastStatementStillRuns) {
    EXPECT_EQ(Split("select 1 from dual"), (std::vector<std::string>{"select 1 from dual"}));
    EXPECT_TRUE(Split("\n  \n-- only a comment\n").empty());
}

TEST(ScriptReaderTest, CreateTableIsNoPlsqlUnit) {
    EXPECT_FALSE(IsPlsqlUnit("create table t (n number)"));
    EXPECT_TRUE(IsPlsqlUnit("  Create Procedure p as begin null; end;"));
}

TEST(ConsoleTextTest, NullNumbersAndDatesAreLocaleFree) {
    EXPECT_EQ(ConsoleText(TVariant()), "");
    EXPECT_EQ(ConsoleText(TVariant::FromInteger(-42)), "-42");
    EXPECT_EQ(ConsoleText(TVariant::FromFloat(1234.5)), "1234.5");
    EXPECT_EQ(ConsoleText(TVariant::FromFloat(0.1)), "0.1");
    EXPECT_EQ(ConsoleText(TVariant::FromDateTime(EncodeDate(2023, 3, 5))), "05.03.2023");
    EXPECT_EQ(ConsoleText(TVariant::FromDateTime(EncodeDate(2023, 3, 5) + EncodeTime(7, 8, 9, 0))),
              "05.03.2023 07:08:09");
}
