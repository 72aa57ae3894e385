// Rows written through the data access layer keep their values: a column that starts NULL and later
// gets a date, a number or a text stores each row's own value, and NULLs stay NULL.
#include "tools/demo_db/TableWriter.h"
#include "tools/demo_db/EngineLibrary.h"
#include "tools/demo_db/ExtractionCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

TEST(TableWriter, EachRowKeepsItsOwnValuesAndNulls) {
    const std::string library = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";
    std::filesystem::create_directories(ZORVEKA_TEST_OUTPUT_DIR);
    const std::string file =
        std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/table_writer-" + std::to_string(getpid()) + ".db";
    CreateEngineDatabase(library, file, "demo", "demo");
    {
        TOracleSession session;
        LogOnEngine(session, library, file, "demo", "demo");
        QueryRows(session, "CREATE TABLE T (N NUMBER(9), A NUMBER(18,2), D DATE, S VARCHAR2(10))");
        QueryRows(session, "ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
        const TDemoTable table{"T", {"N", "A", "D", "S"}};
        TTableWriter writer(session, table);
        writer.Write({TDemoValue{}, TDemoValue{}, TDemoValue{}, TDemoValue{}});
        writer.Write({std::int64_t{44229}, 0.125, TDemoDay{EncodeDate(2024, 2, 29)}, std::string("0909'A")});
        writer.Write({std::int64_t{7}, TDemoValue{}, TDemoValue{}, std::string("x")});
        session.Commit();
        const auto rows = QueryRows(session, "SELECT N, A, D, S FROM T ORDER BY N NULLS FIRST");
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"", "", "", ""}));
        EXPECT_EQ(rows[1], (std::vector<std::string>{"7", "", "", "x"}));
        EXPECT_EQ(rows[2][0], "44229");
        EXPECT_EQ(rows[2][2], "29.02.2024");
        EXPECT_EQ(rows[2][3], "0909'A");
        EXPECT_NE(rows[2][1].find("13"), std::string::npos) << rows[2][1]; // 0.125 rounded to the scale
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(file + suffix);
}

} // namespace
