// The run on what a bank's database holds beside the demo's data: Slovenian account codes, long user
// names, a schema without (or with an older form of) the claim and journal tables, a journal that
// fails under the run, a window that is not logged on. What was added to the run never stops it, and
// the journal tells the truth about runs that ended before their closing procedure.
#include "tests/app/DemoDay.h"
#include "tests/app/run/TrippingLabels.h"

#include "app/TransferRun.h"
#include "app/journal/KilledRuns.h"
#include "app/journal/ReconciliationReport.h"
#include "app/journal/RunJournal.h"
#include "tools/demo_db/EngineLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using apptest::TDemoDay;

void Execute(TDemoDay& day, const std::string& sql, const TJournalValues& values = {}) {
    TJournalQuery query(day.DM.OracleSession1);
    query.Run(sql, values);
    day.DM.OracleSession1.Commit();
}

std::string Text(TDemoDay& day, const std::string& sql) {
    TJournalQuery query(day.DM.OracleSession1);
    query.Run(sql, {{"ID", TVariant::FromInteger(day.Context.JournalId)}});
    return query.Query.Eof() ? std::string() : ColumnText(query.Query, 0);
}

int MessagesWith(const TDemoDay& day, const std::string& part) {
    int found = 0;
    for (const std::string& message : day.RecordingUi.Messages)
        found += message.find(part) != std::string::npos;
    return found;
}

const std::string kLongUser = "uporabnik_čšžćđ_z_dolgim_imenom_iz_imenika"; // 42 characters, 47 bytes

TEST(BankDatabase, WhatWasAddedToTheRunNeverStopsIt) {
    struct TCase {
        const char* Name;
        std::function<void(TDemoDay&)> Prepare;
        std::string User;
        std::function<void(TDemoDay&)> Check;
    };
    const TCase cases[] = {
        {"Slovenian account code",
         [](TDemoDay& day) {
             day.DM.Q1.First();
             Execute(day, "UPDATE SIFKONT SET OZNAKA = 'ŠČ000201' WHERE OZNAKA = :KONTO",
                     {{"KONTO", TVariant::FromText(day.DM.Q1.FieldByName("KONTO").AsString())}});
         },
         "demo",
         [](TDemoDay& day) {
             const TReconciliationReport report =
                 ReadReconciliation(day.DM.OracleSession1, day.Context.JournalId);
             EXPECT_TRUE(report.Balanced());
             bool found = false;
             for (const TReconciliationLine& line : report.Lines)
                 found = found || line.Konto == "ŠČ0002";
             EXPECT_TRUE(found);
         }},
        {"user name past 30 bytes", [](TDemoDay&) {}, kLongUser,
         [](TDemoDay& day) {
             EXPECT_EQ(Text(day, "SELECT UPORABNIK FROM OBLI_DNEVNIK WHERE ID = :ID"), kLongUser);
             EXPECT_TRUE(day.RecordingUi.Messages.size() <= 1) << day.RecordingUi.Messages.front();
         }},
        {"schema without claim and journal",
         [](TDemoDay& day) {
             for (const char* table : {"OBLI_PRENOS", "OBLI_USKLADITEV", "OBLI_DNEVNIK"})
                 Execute(day, std::string("DROP TABLE ") + table);
         },
         "demo", [](TDemoDay& day) { EXPECT_EQ(MessagesWith(day, "OBLI_DNEVNIK"), 1); }},
        {"older claim table too narrow for the user",
         [](TDemoDay& day) {
             Execute(day, "DROP TABLE OBLI_PRENOS");
             Execute(day,
                     "CREATE TABLE OBLI_PRENOS (DAT_STANJA DATE NOT NULL, OT_LIK NUMBER(1) NOT NULL, "
                     "UPORABNIK VARCHAR2(30), RACUNALNIK VARCHAR2(64), PROCES NUMBER(10), ZACETEK DATE)");
         },
         kLongUser, [](TDemoDay& day) { EXPECT_EQ(MessagesWith(day, "OBLI_PRENOS"), 1); }},
        {"journal totals lost under the run",
         [](TDemoDay& day) { Execute(day, "DROP TABLE OBLI_USKLADITEV"); }, "demo",
         [](TDemoDay& day) {
             EXPECT_EQ(MessagesWith(day, "Dnevnik prenosov ni uspel: "), 1);
             EXPECT_EQ(Text(day, "SELECT IZID FROM OBLI_DNEVNIK WHERE ID = :ID"), journal::kCompleted);
             EXPECT_EQ(Text(day, "SELECT NAPAKA FROM OBLI_DNEVNIK WHERE ID = :ID").rfind("Dnevnik: ", 0), 0u);
         }},
    };
    for (const TCase& at : cases) {
        SCOPED_TRACE(at.Name);
        TDemoDay day("bank", 30);
        at.Prepare(day);
        day.Context.UserName = at.User;
        apptest::TRecordedLabels labels;
        day.Context.Labels = &labels;
        TRowOutput output;
        ASSERT_NO_THROW(Prepis(day.Context, output));
        TJournalQuery count(day.DM.OracleSession1);
        EXPECT_GT(count.Count("SELECT COUNT(*) FROM OBLIMD1 WHERE OT_LIK = 0", {}), 0);
        at.Check(day);
    }
}

// A user granted only what the run's own tables need: no claim, no journal, and the run completes
// after one warning, kept apart from others by the lock of OBLIM.
TEST(BankDatabase, UserWithOnlyTheRunsGrantsRunsWithoutClaimAndJournal) {
    TDemoDay day("bank", 10);
    Execute(day, "CREATE USER ozki IDENTIFIED BY geslo");
    for (const char* table : {"KNJIZBE", "MATRIKA",      "SIFKONT", "DOG",    "POG",    "ORG", "OSB",
                              "SFVP",    "FIN",          "SIF",     "VLT",    "VLN",    "KPN", "INX",
                              "SFINX",   "ECB_SIFRANTI", "VPHST",   "VPSHST", "ZDNHST", "TRG", "KTC"})
        Execute(day, std::string("GRANT SELECT ON ") + table + " TO ozki");
    for (const char* table : {"OBLIM", "OBLIMD1", "OBLIAM"})
        Execute(day, std::string("GRANT SELECT, INSERT, UPDATE, DELETE ON ") + table + " TO ozki");
    Execute(day, "GRANT EXECUTE ON OBLI_COPY TO ozki");
    day.DM.OracleSession1.LogOff();
    LogOnEngine(day.DM.OracleSession1, std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so",
                day.Folder.Path + "demo.db", "ozki", "geslo");
    Execute(day, "ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
    day.Context.UserName = "ozki";
    apptest::TRecordedLabels labels;
    day.Context.Labels = &labels;
    TRowOutput output;
    ASSERT_NO_THROW(StartPrenosa(day.Context, output));
    EXPECT_EQ(MessagesWith(day, "OBLI_DNEVNIK"), 1);
    TJournalQuery count(day.DM.OracleSession1);
    EXPECT_GT(count.Count("SELECT COUNT(*) FROM OBLIMD1 WHERE OT_LIK = 0", {}), 0);
}

// The extraction is the first to meet a window that is not logged on, and says so in its own words.
TEST(BankDatabase, NotLoggedOnRunStopsAtTheExtractionWithItsMessage) {
    TDemoDay day("bank", 5);
    apptest::TRecordedLabels labels;
    day.Context.Labels = &labels;
    const std::string dump = day.Context.AppDir + day.Context.ProgramName + ".SQL";
    std::filesystem::remove(dump);
    day.DM.OracleSession1.LogOff();
    TRowOutput output;
    EXPECT_ANY_THROW(Prepis(day.Context, output));
    EXPECT_TRUE(std::filesystem::exists(dump));
    ASSERT_FALSE(day.RecordingUi.Messages.empty());
    EXPECT_NE(day.RecordingUi.Messages.front().find("SIFKONT"), std::string::npos);
}

// Right after the run the grid's source is the day's committed OBLIM rows, not a closed dataset.
TEST(BankDatabase, GridShowsTheCommittedRowsBeforeThePreview) {
    struct TGridLabels : apptest::TRecordedLabels {
        TDataModule* DM = nullptr;
        bool RowsShown = false;
        void SetGridSource(TDataSource& source) override {
            if (&source == &DM->DSecb)
                RowsShown = DM->Qoblim.Active() && !DM->Qoblim.IsEmpty();
        }
    };
    TDemoDay day("bank", 10);
    TGridLabels labels;
    labels.DM = &day.DM;
    day.Context.Labels = &labels;
    TRowOutput output;
    StartPrenosa(day.Context, output);
    EXPECT_TRUE(labels.RowsShown);
}

pid_t GoneProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// A run killed after its commit leaves its closing outstanding, and one of this process whose end
// could not be written stays "teče": the next run marks both, and its own closing clears the day.
TEST(BankDatabase, NextRunMarksRunsThatEndedBeforeTheirClosing) {
    TDemoDay day("bank", 10);
    apptest::TRecordedLabels labels;
    day.Context.Labels = &labels;
    TRowOutput output;
    Prepis(day.Context, output);
    const long long committed = day.Context.JournalId;
    EXPECT_TRUE(LastClosingOutstanding(day.DM.OracleSession1, day.Context.ReportDay));
    Execute(day, "UPDATE OBLI_DNEVNIK SET PROCES = :PROCES WHERE ID = :ID",
            {{"PROCES", TVariant::FromInteger(GoneProcess())}, {"ID", TVariant::FromInteger(committed)}});
    Execute(
        day,
        "INSERT INTO OBLI_DNEVNIK (ID, DAT_STANJA, OT_LIK, RACUNALNIK, PROCES, ZACETEK, IZID) VALUES (-1, "
        ":DAN, 1, :HOST, :PROCES, :DAN, :IZID)",
        {{"DAN", TVariant::FromDateTime(day.Context.ReportDay)},
         {"HOST", TVariant::FromText(JournalHostName())},
         {"PROCES", TVariant::FromInteger(getpid())},
         {"IZID", TVariant::FromText(journal::kRunning)}});
    StartPrenosa(day.Context, output);
    TJournalQuery query(day.DM.OracleSession1);
    query.Run("SELECT IZID, STATUS FROM OBLI_DNEVNIK WHERE ID IN (:ID, -1) ORDER BY ID",
              {{"ID", TVariant::FromInteger(committed)}});
    EXPECT_EQ(ColumnText(query.Query, 0), journal::kKilled);
    EXPECT_EQ(ColumnText(query.Query, 1), "");
    query.Query.Next();
    EXPECT_EQ(ColumnText(query.Query, 0), journal::kKilled);
    EXPECT_EQ(ColumnText(query.Query, 1), kClosingOutstanding);
    EXPECT_FALSE(LastClosingOutstanding(day.DM.OracleSession1, day.Context.ReportDay));
}

} // namespace
