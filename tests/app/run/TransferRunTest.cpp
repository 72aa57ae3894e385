// The transfer run over a day of three positions: the progress texts in their order, one set of
// rows per day and risk type numbered from 1, plans only for amortising positions that still hold
// lots, a day without source rows that keeps the earlier results, a failed deletion and a failed
// valuation that leave them too.
#include "RunFixture.h"

#include "app/SourceExtraction.h"
#include "app/TransferRun.h"
#include "oracle/OracleCounters.h"

namespace {

using runtest::RunTest;
using Strings = std::vector<std::string>;

class TransferRun : public RunTest {};

TEST_F(TransferRun, ProgressTextsFollowTheStepsInOrder) {
    Output.RiskType = 1;
    Prepis(*Context, Output);
    EXPECT_EQ(
        ProgressCalls(),
        (Strings{"show Poteka branje podatkov ...", "count 3", "hide", "show Prepis podatkov ...",
                 "show 1 / 3  oblim ", "show 2 / 3  oblim ", "show 3 / 3  oblim ",
                 "show Brisanje nultih podatkov ...", "show 1 / 3  obliam ", "show 2 / 3  obliam ",
                 "show 3 / 3  obliam ", "show Branje podatkov v grid  ...", "grid Q1", "rows 3", "hide"}));
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

// The count comes from the rows read: the extraction costs the server what one execution costs.
TEST_F(TransferRun, ExtractionRunsOnceAndCountsTheRowsItRead) {
    const long long before = OracleCounters().Statements;
    EXPECT_EQ(BeriPodatke(*Context), 3);
    const long long extraction = OracleCounters().Statements - before;
    TOracleQuery once;
    once.SetSession(&DM->OracleSession1);
    once.SetSQLText(ExtractionStatement(Context->ReportDay));
    const long long beforeOnce = OracleCounters().Statements;
    once.Execute();
    EXPECT_EQ(extraction, OracleCounters().Statements - beforeOnce);
}

TEST_F(TransferRun, SecondRunOfADayLeavesOneSetNumberedFromOne) {
    Output.RiskType = 1;
    Prepis(*Context, Output);
    const Strings plan = Column("SELECT ID_SEQ_OBLIM FROM OBLIAM WHERE OT_LIK=1 ORDER BY DATZAP");
    Prepis(*Context, Output);
    EXPECT_EQ(Column("SELECT ID_SEQ_OBLIM FROM OBLIM WHERE OT_LIK=1 ORDER BY ID_SEQ_OBLIM"),
              (Strings{"1", "2", "3"}));
    EXPECT_EQ(Column("SELECT ID_SEQ_OBLIM FROM OBLIMD1 WHERE OT_LIK=1 ORDER BY ID_SEQ_OBLIM"),
              (Strings{"1", "2", "3"}));
    EXPECT_EQ(Column("SELECT ID_SEQ_OBLIM FROM OBLIAM WHERE OT_LIK=1 ORDER BY DATZAP"), plan);
}

TEST_F(TransferRun, RiskTypesKeepTheirOwnSets) {
    for (int riskType : {0, 2, 0}) {
        Output.RiskType = riskType;
        Prepis(*Context, Output);
    }
    for (int riskType : {0, 2}) {
        EXPECT_EQ(Count("OBLIM", riskType), 3) << riskType;
        EXPECT_EQ(Count("OBLIMD1", riskType), 3) << riskType;
        EXPECT_EQ(Count("OBLIAM", riskType), 2) << riskType;
    }
    EXPECT_EQ(Count("OBLIM", 1), 0);
}

TEST_F(TransferRun, PlanOnlyForAmortisingPositionsWithLots) {
    Prepis(*Context, Output);
    // Securities 1 and 2 are both amortising; only 1 has a holding and so lots.
    EXPECT_EQ(Column("SELECT SFVP || ':' || AMORTIZACIJSKI || ':' || STEVILO_LOTOV FROM OBLIM "
                     "WHERE SFVP IN (1, 2) ORDER BY SFVP"),
              (Strings{"1:1:7", "2:1:0"}));
    EXPECT_EQ(Column("SELECT DISTINCT O.SFVP FROM OBLIAM A, OBLIM O WHERE A.ID_SEQ_OBLIM = O.ID_SEQ_OBLIM "
                     "AND A.DAT_STANJA = O.DAT_STANJA AND A.OT_LIK = O.OT_LIK"),
              Strings{"1"});
    EXPECT_EQ(Count("OBLIAM", 0), 2);
}

TEST_F(TransferRun, DayWithoutSourceRowsKeepsTheEarlierResults) {
    Prepis(*Context, Output);
    Run({"DELETE FROM KNJIZBE"});
    Labels.Calls.clear();
    StartPrenosa(*Context, Output);
    ASSERT_GE(RecordingUi.Messages.size(), 2u);
    EXPECT_EQ(RecordingUi.Messages[0], "Za izbrani dan 15.03.2024 ni podatkov!");
    EXPECT_EQ(RecordingUi.Messages[1].rfind("Status: ", 0), 0u) << RecordingUi.Messages[1];
    EXPECT_EQ(Count("OBLIM", 0), 3);
    EXPECT_EQ(Count("OBLIAM", 0), 2);
    EXPECT_EQ(ProgressCalls(),
              (Strings{"grid -", "show Poteka branje podatkov ...", "count 0", "hide",
                       "show Prepis podatkov ...", "grid Qoblim", "hide", "grid Q1", "rows 3"}));
}

TEST_F(TransferRun, StartShowsTheResultAndCallsTheClosingProcedure) {
    StartPrenosa(*Context, Output);
    const Strings calls = ProgressCalls();
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(calls.front(), "grid -");
    EXPECT_EQ(Strings(calls.end() - 5, calls.end()),
              (Strings{"hide", "grid Qoblim", "hide", "grid Q1", "rows 3"}));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0].rfind("Status: ", 0), 0u);
    EXPECT_EQ(DM->Q1.FieldByName("ID_SEQ_OBLIM").AsInteger(), 1);
}

TEST_F(TransferRun, FailedDeletionShowsTableAndStatementAndStopsTheStart) {
    Run({"DROP TABLE OBLIMD1"});
    EXPECT_THROW(StartPrenosa(*Context, Output), EOracleError);
    EXPECT_EQ(RecordingUi.Messages,
              Strings{"Napaka pri brisanju v tabeli OBLIMD1 \rDELETE FROM OBLIMD1 WHERE "
                      "DAT_STANJA='15.03.2024'  AND OT_LIK=0"});
    const Strings calls = ProgressCalls();
    EXPECT_EQ(calls.back(), "show Prepis podatkov ...");
    EXPECT_EQ(Count("OBLIM", 0), 0);
}

TEST_F(TransferRun, FailedValuationStopsTheRunBeforeItsRowIsWritten) {
    Output.RiskType = 2;
    Prepis(*Context, Output);
    Run({"DROP TABLE SIF"});
    EXPECT_THROW(Prepis(*Context, Output), EOracleError);
    ASSERT_EQ(RecordingUi.Messages.size(), 2u);
    EXPECT_NE(RecordingUi.Messages[0].find("FROM FIN, SIF"), std::string::npos);
    EXPECT_EQ(RecordingUi.Messages[1].rfind("Prenos ni uspel pri poziciji 1 (konto ", 0), 0u)
        << RecordingUi.Messages[1];
    EXPECT_EQ(ProgressCalls().back(), "show 1 / 3  oblim ");
    // The run is undone as a whole: the day's earlier results stay.
    EXPECT_EQ(Count("OBLIM", 2), 3);
    EXPECT_EQ(Count("OBLIAM", 2), 2);
}

} // namespace
