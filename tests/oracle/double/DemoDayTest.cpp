// The transfer run of a demo day, once on the engine (AL32UTF8) and once through the client double (a
// Windows-1250 database behind Oracle's answers), stores the same rows, Slovenian account codes whole.
#include "oracle/Oracle.h"
#include "platform/settings/DateTime.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

const std::string kEngine = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";
const std::string kDay = "15.03.2024";

using TRows = std::vector<std::string>;

// A demo database of its own in a folder that is also the run's program directory.
std::string NewDemoFolder(const std::string& name) {
    const std::string folder = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/oracle_double/" + name + "/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    TDemoArguments arguments;
    arguments.file = folder + "demo.db";
    arguments.positions = 40;
    arguments.day = EncodeDate(2024, 3, 15);
    ResetOracleClient();
    CreateDemoDatabase(arguments, kEngine, std::string(ZORVEKA_SOURCE_DIR) + "/schema");
    std::ofstream(folder + "aliases.ini") << "[DEMO]\nTYPE=ORACLE\nSERVER NAME=" << arguments.file << "\n";
    return folder;
}

int RunDay(const std::string& folder, const std::string& library) {
    const std::string command = "ZORVEKA_APPDIR=" + folder + " timeout 300 " + ZORVEKA_BIN_DIR +
                                "/zorveka-run DEMO demo demo OCIDLL=" + library + " --day " + kDay +
                                " --risk 1 </dev/null >/dev/null 2>" + folder + "err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every stored row of the day's results as one text, sorted, read through the given client.
TRows StoredRows(const std::string& folder, const std::string& library) {
    ResetOracleClient();
    TOracleSession session;
    LogOnEngine(session, library, folder + "demo.db", "demo", "demo");
    TRows rows;
    for (const char* table : {"OBLIM", "OBLIMD1", "OBLIAM"}) {
        TOracleQuery query;
        query.SetSession(&session);
        query.SetSQLText(std::string("select * from ") + table + " where OT_LIK = 1");
        for (query.Execute(); !query.Eof(); query.Next()) {
            std::string row = table;
            for (int i = 0; i < query.ColumnCount(); ++i)
                row += "|" + query.ColumnAsString(i);
            rows.push_back(row);
        }
    }
    session.LogOff();
    ResetOracleClient();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Account codes with every Slovenian letter, each code as long as an OBLIMD1 account holds in UTF-8.
// The letter follows digits that are the account's own, so the codes sort alike in both character
// sets and the clean-up passes meet the positions in one order; the "09" accounts keep their codes.
void GiveAccountsSlovenianCodes(const std::string& folder, const std::string& library) {
    ResetOracleClient();
    TOracleSession session;
    LogOnEngine(session, library, folder + "demo.db", "demo", "demo");
    TOracleQuery query;
    query.SetSession(&session);
    query.SetSQLText(
        "update SIFKONT set OZNAKA = SUBSTR(OZNAKA, 1, 2) || SUBSTR(OZNAKA, 5, 4) || case CTRL "
        "when 201 then 'č' when 202 then 'ć' when 203 then 'ž' when 204 then 'š' when 205 then 'đ' "
        "when 206 then 'Č' when 257 then 'Ć' when 379 then 'Ž' when 301 then 'Š' else 'Đ' end "
        "where OZNAKA not like '09%'");
    query.Execute();
    session.Commit();
    session.LogOff();
}

TEST(ClientDoubleTest, DemoDayStoresTheSameRowsThroughTheEngineAndTheDouble) {
    const std::string onEngine = NewDemoFolder("engine");
    const std::string onDouble = NewDemoFolder("double");
    GiveAccountsSlovenianCodes(onEngine, kEngine);
    GiveAccountsSlovenianCodes(onDouble, ORACLE_TEST_DOUBLE);
    ASSERT_EQ(RunDay(onEngine, kEngine), 0);
    ASSERT_EQ(RunDay(onDouble, ORACLE_TEST_DOUBLE), 0);
    const TRows expected = StoredRows(onEngine, kEngine);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(StoredRows(onDouble, ORACLE_TEST_DOUBLE), expected);
    std::string stored;
    for (const std::string& row : expected)
        stored += row;
    for (const char* letter : {"č", "ć", "ž", "š", "đ", "Č", "Ć", "Ž", "Š", "Đ"})
        EXPECT_NE(stored.find(letter), std::string::npos) << letter;
}

TEST(ClientDoubleTest, InListOfMoreThanAThousandIsRefusedAsOracleDoes) {
    const std::string folder = NewDemoFolder("inlist");
    ResetOracleClient();
    TOracleSession session;
    LogOnEngine(session, ORACLE_TEST_DOUBLE, folder + "demo.db", "demo", "demo");
    TOracleQuery query;
    query.SetSession(&session);
    std::string list = "1";
    for (int i = 2; i <= 1001; ++i)
        list += "," + std::to_string(i);
    query.SetSQLText("select 1 from dual where 1 in (" + list + ")");
    try {
        query.Execute();
        ADD_FAILURE() << "1,001 expressions were accepted";
    } catch (const EOracleError& e) {
        EXPECT_EQ(e.ErrorCode(), 1795);
        EXPECT_STREQ(e.what(), "ORA-01795: maximum number of expressions in a list is 1000");
    }
    session.LogOff();
    ResetOracleClient();
}

} // namespace
