// The run journal over a demo day: each way a run ends leaves its outcome, and a completed run its
// counts; a database without the journal runs with one warning; the reconciliation balances to the
// cent with the rows the run read; the comparison finds known changes between two days.
#include "tests/app/AppFixture.h"
#include "tests/app/DemoDay.h"
#include "tests/app/run/TrippingLabels.h"

#include "app/TransferRun.h"
#include "app/journal/JournalStatements.h"
#include "app/journal/ReconciliationReport.h"
#include "app/journal/RunJournal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace {

using apptest::TDemoDay;

using runtest::TTrippingLabels;

struct TJournalRow {
    std::string Outcome, Where, Error;
    bool Ended = false;
    long long Extracted = 0, WrittenOblim = 0, FinalOblim = 0;
};

class RunJournal : public ::testing::Test {
protected:
    RunJournal() { Day.Context.Labels = &Labels; }

    TJournalQuery Query() { return TJournalQuery(Day.DM.OracleSession1); }

    TJournalRow Row(long long id) {
        TJournalQuery query(Day.DM.OracleSession1);
        query.Run(
            "SELECT IZID, POZICIJA, NAPAKA, KONEC, IZVORNIH, ZAPISANO_OBLIM, KONCNO_OBLIM FROM OBLI_DNEVNIK "
            "WHERE ID = :ID",
            {{"ID", TVariant::FromInteger(id)}});
        EXPECT_FALSE(query.Query.Eof());
        const TOracleQuery& q = query.Query;
        return {ColumnText(q, 0),
                ColumnText(q, 1),
                ColumnText(q, 2),
                !q.ColumnIsNull(3),
                static_cast<long long>(ColumnNumber(q, 4)),
                static_cast<long long>(ColumnNumber(q, 5)),
                static_cast<long long>(ColumnNumber(q, 6))};
    }

    long long Count(const std::string& sql) { return Query().Count(sql, {}); }

    void Execute(const std::string& sql, const TJournalValues& values = {}) {
        TJournalQuery query(Day.DM.OracleSession1);
        query.Run(sql, values);
        Day.DM.OracleSession1.Commit();
    }

    // Runs and returns the journal id; an error of the run is expected only where one was provoked.
    long long RunOnce(bool raises) {
        TRowOutput output;
        if (raises)
            EXPECT_ANY_THROW(Prepis(Day.Context, output));
        else
            EXPECT_NO_THROW(Prepis(Day.Context, output));
        return Day.Context.JournalId;
    }

    TDemoDay Day{"journal", 30};
    TTrippingLabels Labels;
};

TEST_F(RunJournal, EveryEndOfARunIsJournalledWithItsOutcome) {
    const int n = Day.DM.Q1.RecordCount();
    ASSERT_GT(n, 3);
    const std::string second = "2 / " + std::to_string(n) + "  oblim ";
    struct TCase {
        const char* Outcome;
        const char* TripAt; //!< progress text where the run is stopped, or ""
        bool Cancel;        //!< stopped by the window's cancel rather than an error
        TDateTime Day;
        const char* Where; //!< start of the recorded step or position
        const char* Error;
    };
    const TCase cases[] = {
        {journal::kCompleted, "", false, Day.Context.ReportDay, "", ""},
        {journal::kNoData, "", false, EncodeDate(1990, 1, 1), "", ""},
        {journal::kFailed, second.c_str(), false, Day.Context.ReportDay, "poziciji 2 (konto ", "failure"},
        {journal::kCancelled, "Brisanje nultih podatkov ...", true, Day.Context.ReportDay, "zapisu pozicij",
         ""},
    };
    for (const TCase& at : cases) {
        SCOPED_TRACE(at.Outcome);
        Day.Context.ReportDay = at.Day;
        Labels.At = at.TripAt;
        Labels.Trip = [&] {
            if (at.Cancel)
                Day.Context.CancelRequested = true;
            else
                throw Exception("failure");
        };
        const TJournalRow row = Row(RunOnce(*at.TripAt != 0));
        EXPECT_EQ(row.Outcome, at.Outcome);
        EXPECT_TRUE(row.Ended);
        EXPECT_EQ(row.Where.rfind(at.Where, 0), 0u) << row.Where;
        EXPECT_EQ(row.Error, at.Error);
        EXPECT_EQ(row.Extracted, at.Outcome == journal::kNoData ? 0 : n);
        if (at.Outcome == journal::kCompleted) {
            EXPECT_EQ(row.WrittenOblim, n);
            EXPECT_EQ(row.FinalOblim, Count("SELECT COUNT(*) FROM OBLIM WHERE OT_LIK = 0"));
        }
    }
    // The failed and the cancelled run left no totals behind: those are written with the results.
    EXPECT_EQ(Count("SELECT COUNT(DISTINCT ID_DNEVNIK) FROM OBLI_USKLADITEV WHERE KORAK = 'KONCNO'"), 1);
}

TEST_F(RunJournal, DatabaseWithoutJournalRunsAsBeforeAfterOneWarning) {
    Execute("DROP TABLE OBLI_DNEVNIK");
    RunOnce(false);
    RunOnce(false);
    EXPECT_EQ(Day.Context.JournalId, 0);
    int warnings = 0;
    for (const std::string& message : Day.RecordingUi.Messages)
        warnings += message.find("OBLI_DNEVNIK") != std::string::npos;
    EXPECT_EQ(warnings, 1);
    EXPECT_GT(Count("SELECT COUNT(*) FROM OBLIM WHERE OT_LIK = 0"), 0);
}

// Every line balances: the written amount is the extracted one's opposite, and what is written less
// what each pass removed is what OBLIMD1 holds at the end, in both currencies.
void ExpectBalanced(const TReconciliationLine& line) {
    using namespace reconciliation;
    const auto at = [&](int column) { return line.Amounts[column - Izvor]; };
    EXPECT_TRUE(line.Balanced) << line.Konto << " " << line.Valuta;
    EXPECT_NEAR(at(Zapisano), -at(Izvor), 0.001) << line.Konto;
    EXPECT_NEAR(at(Zapisano) - at(Fifo1) - at(Fifo2) - at(Predznaki), at(Koncno), 0.001) << line.Konto;
    EXPECT_NEAR(at(ZapisanoDom) - at(Fifo1Dom) - at(Fifo2Dom) - at(PredznakiDom), at(KoncnoDom), 0.001);
}

double SourceAmount(const TReconciliationReport& report, const std::string& konto) {
    double amount = 0;
    for (const TReconciliationLine& line : report.Lines)
        if (line.Konto == konto)
            amount += line.Amounts[0];
    return amount;
}

// The source totals are the rows the run read and valued, so a booking changed after the run has read
// the day changes neither side: the run balances with what it read.
TEST_F(RunJournal, ReconciliationBalancesWithTheRowsTheRunRead) {
    // The booking to raise later: one of a security account's position as the run reads it.
    TOracleDataSet& q1 = Day.DM.Q1;
    q1.First();
    while (q1.FieldByName("VKNT").AsString() != "1" || q1.FieldByName("IDPOG").IsNull())
        q1.Next();
    const std::string konto = q1.FieldByName("KONTO").AsString();
    const TJournalValues key = {{"KONTO", TVariant::FromText(q1.FieldByName("KKONTO").AsString())},
                                {"VP", TVariant::FromText(q1.FieldByName("VP1").AsString())},
                                {"IDPOG", TVariant::FromText(q1.FieldByName("IDPOG").AsString())}};
    const std::string where = " WHERE KONTO = :KONTO AND VP = :VP AND IDPOG = :IDPOG AND DATUMV >= "
                              "'01.01.2024' AND DATUMV <= '15.03.2024'";

    const TReconciliationReport clean = ReadReconciliation(Day.DM.OracleSession1, RunOnce(false));
    ASSERT_FALSE(clean.Lines.empty());
    for (const TReconciliationLine& line : clean.Lines)
        ExpectBalanced(line);
    double finalTotal = 0;
    for (const TReconciliationLine& line : clean.Lines)
        finalTotal += line.Amounts[reconciliation::Koncno - reconciliation::Izvor];
    EXPECT_NEAR(finalTotal,
                Query().Count("SELECT ROUND(SUM(ZNSVAL) * 100) FROM OBLIMD1 WHERE OT_LIK = 0", {}) / 100.0,
                0.001);

    Labels.At = "Prepis podatkov ...";
    Labels.Trip = [&] { Execute("UPDATE KNJIZBE SET BZNESEK = BZNESEK + 100" + where, key); };
    const TReconciliationReport planted = ReadReconciliation(Day.DM.OracleSession1, RunOnce(false));
    for (const TReconciliationLine& line : planted.Lines)
        ExpectBalanced(line);
    EXPECT_NEAR(SourceAmount(planted, konto), SourceAmount(clean, konto), 0.001);
}

TEST_F(RunJournal, ComparisonOfTwoDaysFindsTheKnownChangesLargestFirst) {
    RunOnce(false);
    const TDateTime today = Day.Context.ReportDay, yesterday = today - 1;
    const TJournalValues days = {{"DAN", TVariant::FromDateTime(today)},
                                 {"PREJ", TVariant::FromDateTime(yesterday)}};
    Execute("INSERT INTO OBLIM (ID_SEQ_OBLIM, ID_KONTO, POGODBA, DAT_STANJA, OT_LIK) SELECT ID_SEQ_OBLIM, "
            "ID_KONTO, "
            "POGODBA, :PREJ, OT_LIK FROM OBLIM WHERE DAT_STANJA = :DAN AND OT_LIK = 0",
            days);
    Execute(
        "INSERT INTO OBLIMD1 (ID_SEQ_OBLIM, ID_KONTO, ID_VAL, ZNSVAL, ZNSDOMVAL, DAT_STANJA, OT_LIK) SELECT "
        "ID_SEQ_OBLIM, ID_KONTO, ID_VAL, ZNSVAL, ZNSDOMVAL, :PREJ, OT_LIK FROM OBLIMD1 WHERE DAT_STANJA = "
        ":DAN "
        "AND OT_LIK = 0",
        days);
    // Two positions alone under their key: one was not there yesterday, one had 123.45 more.
    TJournalQuery keys(Day.DM.OracleSession1);
    keys.Run("SELECT MIN(o.ID_SEQ_OBLIM), o.ID_KONTO, o.POGODBA FROM OBLIM o WHERE o.DAT_STANJA = :DAN AND "
             "o.OT_LIK = 0 GROUP BY o.ID_KONTO, o.POGODBA HAVING COUNT(*) = 1 ORDER BY 1",
             days);
    std::vector<std::pair<long long, std::string>> alone;
    for (; !keys.Query.Eof() && alone.size() < 2; keys.Query.Next())
        alone.emplace_back(static_cast<long long>(ColumnNumber(keys.Query, 0)),
                           ColumnText(keys.Query, 1) + "/" + ColumnText(keys.Query, 2));
    ASSERT_EQ(alone.size(), 2u);
    const TJournalValues first = {{"PREJ", TVariant::FromDateTime(yesterday)},
                                  {"SEQ", TVariant::FromInteger(alone[0].first)}};
    const TJournalValues second = {{"PREJ", TVariant::FromDateTime(yesterday)},
                                   {"SEQ", TVariant::FromInteger(alone[1].first)}};
    Execute("DELETE FROM OBLIM WHERE DAT_STANJA = :PREJ AND OT_LIK = 0 AND ID_SEQ_OBLIM = :SEQ", first);
    Execute("UPDATE OBLIMD1 SET ZNSVAL = ZNSVAL + 123.45, ZNSDOMVAL = ZNSDOMVAL + 123.45 WHERE DAT_STANJA = "
            ":PREJ "
            "AND OT_LIK = 0 AND ID_SEQ_OBLIM = :SEQ",
            second);
    // And one position that is gone today, larger than both.
    Execute("INSERT INTO OBLIM (ID_SEQ_OBLIM, ID_KONTO, POGODBA, DAT_STANJA, OT_LIK) VALUES (99999, 'X1', "
            "'GONE', "
            ":PREJ, 0)",
            {{"PREJ", TVariant::FromDateTime(yesterday)}});
    Execute(
        "INSERT INTO OBLIMD1 (ID_SEQ_OBLIM, ID_KONTO, ID_VAL, ZNSVAL, ZNSDOMVAL, DAT_STANJA, OT_LIK) VALUES "
        "(99999, 'X1', '978', 1E9, 1E9, :PREJ, 0)",
        {{"PREJ", TVariant::FromDateTime(yesterday)}});

    const TJournalStatement comparison = DayComparison(yesterday, today, 0);
    TJournalQuery rows(Day.DM.OracleSession1);
    rows.Run(comparison.Sql, comparison.Values);
    std::vector<std::string> found;
    for (; !rows.Query.Eof(); rows.Query.Next())
        found.push_back(ColumnText(rows.Query, 0) + " " + ColumnText(rows.Query, 1) + "/" +
                        ColumnText(rows.Query, 2) + " " +
                        std::to_string(std::lround(ColumnNumber(rows.Query, 9) * 100)));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], "ukinjena X1/GONE -100000000000");
    // The new position's difference is its own amount; which of the two is larger depends on the day.
    const std::string changed = "spremenjena " + alone[1].second + " -12345";
    EXPECT_TRUE(found[1] == changed || found[2] == changed) << found[1] << " | " << found[2];
    EXPECT_TRUE(found[1].rfind("nova " + alone[0].second + " ", 0) == 0 ||
                found[2].rfind("nova " + alone[0].second + " ", 0) == 0);

    const TJournalStatement accounts = AccountComparison(yesterday, today, 0);
    rows.Run(accounts.Sql, accounts.Values);
    ASSERT_FALSE(rows.Query.Eof());
    EXPECT_EQ(ColumnText(rows.Query, 0), "X1");
    EXPECT_EQ(ColumnNumber(rows.Query, 5), -1E9);
}

} // namespace
