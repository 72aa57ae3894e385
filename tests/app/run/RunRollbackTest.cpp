// A run that fails or is cancelled anywhere after the deletions leaves the day's previous results
// exactly as they were, field for field, and its message names the step and, for a position, its
// sequence number, account and contract.
#include "ResultDigest.h"
#include "RunFixture.h"
#include "TrippingLabels.h"

#include "app/TransferRun.h"

#include <filesystem>
#include <functional>
#include <sqlite3.h>

namespace {

using runtest::RunTest;

using runtest::TTrippingLabels;

struct TBreak {
    const char* Name;
    const char* ProgressText;      //!< where the labels trip, or nullptr
    const char* DumpFile;          //!< a dump file made unwritable, or nullptr
    const char* Reported;          //!< the start of the run's message, after "Prenos ni uspel pri "
    const char* Refused = nullptr; //!< "UPDATE OF column ON table" the database refuses, or nullptr
};

// The database refuses a change behind the engine's back, as a bank's trigger or constraint would.
void RefuseInDatabase(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

const TBreak kBreaks[] = {
    {"first position", "1 / 3  oblim ", nullptr, "poziciji 1 (konto 2010, pogodba 10)"},
    {"middle position", "2 / 3  oblim ", nullptr, "poziciji 2 (konto 2010, pogodba 10)"},
    {"FIFO by opening", nullptr, "fifo1.SQL", "brisanju FIFO po datumu otvoritve"},
    {"FIFO by maturity", nullptr, "fifo2.SQL", "brisanju FIFO po datumu zapadlosti"},
    {"sign-based pass", nullptr, "popredznakihvknt6.SQL", "brisanju po predznakih"},
    {"lot copy", nullptr, nullptr, "prepisu števila lotov", "UPDATE OF STEVILO_LOTOV ON OBLIM"},
    {"repayment plan", "1 / 3  obliam ", nullptr, "amortizacijskem načrtu pozicije 1 (konto 2010, pogodba "},
};

const std::string kKept = ". Prejšnji rezultati dneva so ostali nespremenjeni.";

class RunRollback : public RunTest {
protected:
    std::vector<std::string> Stored() { return runtest::StoredRows(DM->OracleSession1, kDay, 0); }

    // A completed run first, so that there are previous results to keep.
    std::vector<std::string> PreviousResults() {
        Prepis(*Context, Output);
        RecordingUi.Messages.clear();
        Context->Labels = &Tripping;
        return Stored();
    }

    TTrippingLabels Tripping;
};

TEST_F(RunRollback, FailureAnywhereKeepsThePreviousResultsAndNamesTheStep) {
    for (const TBreak& at : kBreaks) {
        SCOPED_TRACE(at.Name);
        const std::vector<std::string> previous = PreviousResults();
        Tripping.At = at.ProgressText ? at.ProgressText : "";
        Tripping.Trip = [] { throw Exception("failure"); };
        if (at.DumpFile) {
            std::filesystem::remove(Folder + at.DumpFile);
            std::filesystem::create_directory(Folder + at.DumpFile);
        }
        if (at.Refused)
            RefuseInDatabase(Folder + "test.db", std::string("CREATE TRIGGER refused BEFORE ") + at.Refused +
                                                     " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        EXPECT_ANY_THROW(Prepis(*Context, Output));
        if (at.DumpFile)
            std::filesystem::remove(Folder + at.DumpFile);
        if (at.Refused)
            RefuseInDatabase(Folder + "test.db", "DROP TRIGGER refused");
        EXPECT_EQ(Stored(), previous);
        ASSERT_FALSE(RecordingUi.Messages.empty());
        EXPECT_EQ(RecordingUi.Messages.back().rfind(std::string("Prenos ni uspel pri ") + at.Reported, 0), 0u)
            << RecordingUi.Messages.back();
        EXPECT_EQ(RecordingUi.Messages.back().substr(RecordingUi.Messages.back().size() - kKept.size()),
                  kKept);
        Context->Labels = &Labels;
    }
}

TEST_F(RunRollback, CancelKeepsThePreviousResultsAndNamesWhereItStopped) {
    for (const TBreak& at : kBreaks) {
        if (!at.ProgressText)
            continue;
        SCOPED_TRACE(at.Name);
        const std::vector<std::string> previous = PreviousResults();
        Tripping.At = at.ProgressText;
        Tripping.Trip = [&] { Context->CancelRequested = true; };
        EXPECT_THROW(Prepis(*Context, Output), EAbort);
        EXPECT_EQ(Stored(), previous);
        ASSERT_EQ(RecordingUi.Messages.size(), 1u) << RecordingUi.Messages.back();
        EXPECT_EQ(RecordingUi.Messages[0].rfind(std::string("Prenos je preklican pri ") + at.Reported, 0), 0u)
            << RecordingUi.Messages[0];
        Context->Labels = &Labels;
    }
}

// The rows go out in one block; the second of three is refused by the server, not by a field.
TEST_F(RunRollback, RefusedRowInsideABlockNamesItsPositionAndColumn) {
    const std::vector<std::string> previous = PreviousResults();
    Context->Labels = &Labels;
    Run({"UPDATE SFVP SET FIXOBR = 1234567 WHERE SFVP = 2"}); // REAL_OBRM holds six integer digits
    std::string error;
    try {
        Prepis(*Context, Output);
    } catch (const std::exception& refused) {
        error = refused.what();
    }
    EXPECT_EQ(
        error.rfind("Pozicija 2, konto 2010, pogodba 10101OBV2: OBLIMD1.REAL_OBRM = 1234567: ORA-01438", 0),
        0u)
        << error;
    EXPECT_EQ(Stored(), previous);
    ASSERT_FALSE(RecordingUi.Messages.empty());
    EXPECT_EQ(RecordingUi.Messages.back().rfind("Prenos ni uspel pri poziciji 2 (konto 2010, pogodba 10)", 0),
              0u)
        << RecordingUi.Messages.back();
}

TEST_F(RunRollback, RunAfterAFailureGivesTheRowsOfACleanRun) {
    const std::vector<std::string> previous = PreviousResults();
    const std::string clean = runtest::ResultDigests(DM->OracleSession1, kDay, 0);
    Tripping.At = "2 / 3  oblim ";
    Tripping.Trip = [] { throw Exception("failure"); };
    EXPECT_ANY_THROW(Prepis(*Context, Output));
    Context->Labels = &Labels;
    Prepis(*Context, Output);
    EXPECT_EQ(runtest::ResultDigests(DM->OracleSession1, kDay, 0), clean);
}

} // namespace

// An index table whose history starts after a coupon's first day names no day to look the index up
// on: the run stops rather than take a rate of 0. An index merely without a value of its own on a
// day other indices have still reads 0.
TEST_F(RunRollback, IndexHistoryAfterACouponStartStopsTheRun) {
    Run({"UPDATE KPN SET SFINX = 'EUR6M' WHERE SFVP = 1",
         "INSERT INTO INX VALUES ('EUR6M', '29.12.2023', 1)"});
    const std::vector<std::string> previous = PreviousResults();
    Context->Labels = &Labels;
    Run({"DELETE FROM INX", "INSERT INTO INX VALUES ('EUR6M', '01.02.2024', 1)"});
    EXPECT_ANY_THROW(Prepis(*Context, Output));
    EXPECT_EQ(Stored(), previous);
    ASSERT_FALSE(RecordingUi.Messages.empty());
    EXPECT_EQ(RecordingUi.Messages[0],
              "Napaka: sfvp:\rSELECT INX FROM INX  WHERE SFINX= :SFINX  AND DAN <= :DAN  ORDER BY DAN DESC ");

    Run({"INSERT INTO INX VALUES ('OTHER', '29.12.2023', 1)"});
    EXPECT_NO_THROW(Prepis(*Context, Output));
}
