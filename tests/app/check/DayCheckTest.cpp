// The check over demo days of 15.03.2024: as generated the day lacks only the rates of "H"; with them it
// is clean; with one gap of every kind planted each is found once, with as many positions as the
// run's own extraction gives it. zorveka-run reports the three as exit 3, 0 and 4 and writes nothing.
#include "tests/app/DemoDay.h"

#include "RunArguments.h"
#include "app/SourceExtraction.h"
#include "app/check/DayCheck.h"
#include "app/journal/JournalQuery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sqlite3.h>
#include <sstream>
#include <sys/wait.h>
#include <tuple>

namespace {

using apptest::TDemoDay;
using TRow = std::function<bool(const TOracleDataSet&)>;
using TFound = std::tuple<std::string, std::string, int>;

const std::string kEngine = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";

std::string Field(const TOracleDataSet& q1, const char* column) {
    return q1.FieldByName(column).AsString();
}

TRow Where(const char* column, std::string value, bool securityAccountsOnly = false) {
    return [=](const TOracleDataSet& q1) {
        return Field(q1, column) == value && (!securityAccountsOnly || Field(q1, "VKNT") == "1");
    };
}

class DayCheck : public ::testing::Test {
protected:
    TDemoDay Day{"day_check", 2000};

    void SetUp() override { Day.DM.Q1.Close(); }

    TJournalValues Values(const std::string& key = "") const {
        return {{"KEY", TVariant::FromText(key)},
                {"DAN", TVariant::FromDateTime(Day.Context.ReportDay)},
                {"OLD", TVariant::FromDateTime(EncodeDate(2004, 1, 1))},
                {"Y2006", TVariant::FromDateTime(EncodeDate(2006, 1, 1))}};
    }

    std::string Value(const std::string& sql, const std::string& key) {
        TJournalQuery query(Day.DM.OracleSession1);
        TJournalValues values = Values(key);
        values.emplace_back("AFTER", TVariant::FromInteger(std::atoll(key.c_str())));
        query.Run(sql, values);
        return ColumnText(query.Query, 0);
    }

    void Run(const std::vector<std::string>& statements, const std::string& key = "") {
        for (const std::string& sql : statements)
            TJournalQuery(Day.DM.OracleSession1).Run(sql, Values(key));
        Day.DM.OracleSession1.Commit();
    }

    // Positions of the run's extraction that row picks.
    int Positions(const TRow& row) {
        BeriPodatke(Day.Context);
        int count = 0;
        for (Day.DM.Q1.First(); !Day.DM.Q1.Eof(); Day.DM.Q1.Next())
            count += row(Day.DM.Q1) ? 1 : 0;
        // An open cursor would hold back the commits of the plants that follow.
        Day.DM.Q1.Close();
        return count;
    }

    // What zorveka-run --check prints and its exit status.
    std::pair<int, std::string> RunCheck() {
        std::ofstream(Day.Folder.Path + "aliases.ini")
            << "[DEMO]\nTYPE=ORACLE\nSERVER NAME=" << Day.Folder.Path << "demo.db\n";
        setenv("ZORVEKA_APPDIR", Day.Folder.Path.c_str(), 1);
        unsetenv("ZORVEKA_ALIASES");
        const std::string out = Day.Folder.Path + "check.txt";
        const std::string command = "timeout 120 " + std::string(ZORVEKA_BIN_DIR) +
                                    "/zorveka-run DEMO demo demo OCIDLL=" + kEngine +
                                    " --check --day 15.03.2024 </dev/null >" + out + " 2>/dev/null";
        const int status = std::system(command.c_str());
        std::stringstream text;
        text << std::ifstream(out).rdbuf();
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
    }

    // A digest of the database file and its write-ahead log, taken by another process: closing a
    // descriptor of the file here would drop the locks of the test's own connection.
    std::string FileDigest() {
        const std::string file = Day.Folder.Path + "demo.db";
        std::system(("cat " + file + " " + file + "-wal 2>/dev/null | md5sum >" + file + ".md5").c_str());
        std::stringstream digest;
        digest << std::ifstream(file + ".md5").rdbuf();
        return digest.str();
    }

    void AddRatesOfH() { Run({"INSERT INTO VLN (SFVLT, SFVLN, DAN, TCJ) VALUES ('H', '0', :DAN, 7.53)"}); }
};

std::vector<TFound> Found(const TCheckFindings& findings) {
    std::vector<TFound> found;
    for (const TCheckFinding& finding : findings.All()) {
        EXPECT_EQ(finding.First.size(),
                  std::min<std::size_t>(finding.Positions, TCheckFindings::FirstPositions));
        found.emplace_back(finding.Kind.Name, finding.Key, finding.Positions);
    }
    std::sort(found.begin(), found.end());
    return found;
}

TEST_F(DayCheck, DemoDayLacksOnlyTheRatesOfHAndWithThemIsClean) {
    const int inH = Positions(Where("KVALUTA", "H"));
    ASSERT_GT(inH, 0);
    EXPECT_EQ(Found(PreveriPodatke(Day.DM.OracleSession1, Day.Context.ReportDay)),
              (std::vector<TFound>{{"Tečaj valute", "H", inH}}));
    const std::string before = FileDigest();
    EXPECT_EQ(RunCheck().first, 3);
    EXPECT_EQ(FileDigest(), before) << "the check wrote to the database";

    AddRatesOfH();
    EXPECT_TRUE(PreveriPodatke(Day.DM.OracleSession1, Day.Context.ReportDay).Empty());
    const auto [status, report] = RunCheck();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(report, "Preverjanje podatkov za 15.03.2024: brez ugotovitev.\n");
}

// One gap of each kind. A security is picked above the one picked before, so each plant has its own.
struct TPlant {
    std::string Kind;
    std::string Pick;                    //!< the security (above :AFTER); empty: Key
    std::string Key;                     //!< the key the plant binds as :KEY
    std::vector<std::string> Statements; //!< the plant, through the engine or, Raw, straight on the file
    std::string Found;                   //!< the finding's key, or the statement giving it; empty: Key
    const char* Column;                  //!< the extraction's column that names the positions met
    std::string Match;                   //!< the value they have there; empty: Key
    bool SecurityAccountsOnly = false;
    bool Raw = false;
};

const std::string kBond = "SELECT TO_CHAR(MIN(V.SFVP)) FROM SFVP V JOIN FIN F ON (F.SFFIN = V.SFFIN) "
                          "WHERE F.SFLST = 'D' AND V.SFGLVENT = '%' AND V.SFVP > :AFTER "
                          "AND EXISTS (SELECT 1 FROM KNJIZBE B WHERE B.VP = V.SFVP) ";
const std::string kFirstPeriod = "AND EXISTS (SELECT 1 FROM KPN K WHERE K.SFVP = V.SFVP AND K.STKPN = 1 "
                                 "AND NVL(K.SFOBR, '-') <> 'A' ";

// Ten letters, fourteen bytes: the column counts bytes.
const char kLongUnit[] = "Šiška Čžrn";

const std::string kOf = "WHERE SFVP = TO_NUMBER(:KEY)";
const std::string kLabel = std::string("OBLIM.SM = ") + kLongUnit;

// clang-format off
const std::vector<TPlant>& Plants() {
    static const std::vector<TPlant> plants = {
        {"Tečaj valute", "", "G", {"DELETE FROM VLN WHERE SFVLT = :KEY"}, "", "KVALUTA", ""},
        {"Razred instrumenta", "", "DEL", {"UPDATE FIN SET SFLST = NULL WHERE SFFIN = :KEY"}, "", "SFFIN", "", true},
        {"Tekoči kupon", kBond + "AND EXISTS (SELECT 1 FROM KPN K WHERE K.SFVP = V.SFVP AND K.PRVDAN <= :DAN "
             "AND K.ZDNDAN >= :DAN AND K.STKPN > 1 AND K.STKPN < (SELECT MAX(STKPN) FROM KPN L WHERE L.SFVP = K.SFVP))",
         "", {"DELETE FROM KPN " + kOf + " AND PRVDAN <= :DAN AND ZDNDAN >= :DAN"}, "", "SFVP", ""},
        {"Kuponski načrt", kBond, "", {"DELETE FROM KPN " + kOf}, "", "SFVP", ""},
        {"Vrednost indeksa", kBond + kFirstPeriod + "AND K.PRVDAN >= :Y2006)", "",
         {"UPDATE KPN SET SFINX = 'E1M' " + kOf + " AND STKPN = 1"}, "E1M", "SFVP", ""},
        {"Dan indeksa", kBond + kFirstPeriod + ")", "",
         {"UPDATE KPN SET PRVDAN = :OLD, SFINX = 'E3M' " + kOf + " AND STKPN = 1"}, "E3M", "SFVP", ""},
        {"Konto brez SIFKONT", "", "204", {"DELETE FROM SIFKONT WHERE CTRL = TO_NUMBER(:KEY)"}, "", "KKONTO", ""},
        {"ECB seznam 014", kBond, "",
         {"UPDATE KPN SET ZDNDAN = ZDNDAN + 20000 " + kOf + " AND STKPN = (SELECT MAX(STKPN) FROM KPN " + kOf + ")",
          "UPDATE ECB_SIFRANTI SET INTERVAL_DO = 15000 WHERE ECB_SEZNAM_ID = '014' AND INTERVAL_DO IS NULL"},
         "SELECT TO_CHAR(MAX(ZDNDAN) - MIN(PRVDAN)) FROM KPN " + kOf, "SFVP", "", true},
        {"Predolgo besedilo", "", kLongUnit,
         {std::string("UPDATE ORG SET KNTORG = '") + kLongUnit + "' WHERE SFORG = (SELECT MIN(SFORG) FROM ORG)"},
         kLabel, "KNTORG", kLongUnit, false, true},
        {"Preveliko število", kBond, "", {"UPDATE SFVP SET FIXOBR = 1234567 " + kOf}, "OBLIMD1.REAL_OBRM", "SFVP", ""},
    };
    return plants;
}
// clang-format on

// The engine checks every stored value; a bank's wider source column is planted past it.
void RunOnFile(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

} // namespace

TEST_F(DayCheck, EveryPlantedGapIsFoundOnceWithItsPositions) {
    AddRatesOfH();
    std::vector<std::tuple<TPlant, std::string>> planted;
    std::string after = "0";
    for (const TPlant& plant : Plants()) {
        const std::string key = plant.Pick.empty() ? plant.Key : Value(plant.Pick, after);
        ASSERT_FALSE(key.empty()) << plant.Kind;
        if (!plant.Pick.empty())
            after = key;
        for (const std::string& sql : plant.Statements)
            plant.Raw ? RunOnFile(Day.Folder.Path + "demo.db", sql) : Run({sql}, key);
        planted.emplace_back(plant, key);
    }
    std::vector<TFound> expected;
    for (const auto& [plant, key] : planted) {
        const std::string found = plant.Found.rfind("SELECT", 0) == 0 ? Value(plant.Found, key)
                                  : plant.Found.empty()               ? key
                                                                      : plant.Found;
        const int positions = Positions(
            Where(plant.Column, plant.Match.empty() ? key : plant.Match, plant.SecurityAccountsOnly));
        ASSERT_GT(positions, 0) << plant.Kind;
        expected.emplace_back(plant.Kind, found, positions);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Found(PreveriPodatke(Day.DM.OracleSession1, Day.Context.ReportDay)), expected);
    const auto [status, report] = RunCheck();
    EXPECT_EQ(status, 4);
    EXPECT_EQ(
        report.rfind("Preverjanje podatkov za 15.03.2024: ugotovitev 10, od tega ustavi prenos 3.\n", 0), 0u)
        << report;
}

TEST(CheckArguments, DayIsNeededRiskAllowedNothingElse) {
    const std::vector<std::string> logon = {"zorveka-run", "DEMO", "demo", "demo", "--check"};
    const struct {
        std::vector<std::string> Options;
        bool Usable;
    } cases[] = {
        {{"--day", "15.03.2024"}, true},
        {{"--day", "15.03.2024", "--risk", "2"}, true},
        {{}, false},
        {{"--day", "15.03.2024", "--report", "x.csv"}, false},
        {{"--day", "15.03.2024", "--journal"}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> line = logon;
        line.insert(line.end(), c.Options.begin(), c.Options.end());
        SCOPED_TRACE(line.size());
        if (c.Usable)
            EXPECT_TRUE(ParseRunArguments(line).Check);
        else
            EXPECT_THROW(ParseRunArguments(line), EUsageError);
    }
}
