// The totals are taken set-wise, by statements over the result tables between the steps, so the
// clean-up passes themselves know nothing of the journal. What a pass removed is the difference of
// the totals before and after it; the final totals are taken from OBLIMD1 alone, so a detail row
// left without its position shows up in the reconciliation instead of vanishing from it.
#include "app/journal/RunJournal.h"

#include "app/ClosingProcedure.h"
#include "app/LockConflicts.h"
#include "app/LookupCycle.h"
#include "app/RunClaim.h"
#include "app/journal/KilledRuns.h"
#include "platform/settings/TextUtils.h"
#include "platform/ui/ProgramVersion.h"
#include "platform/ui/UserInterface.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kSequenceMissing = 2289;
constexpr int kNoPrivilege = 1031;
constexpr std::size_t kTextBytes = 2000;
// Oracle's limits for user names and host names, in bytes; a program name is ours to cut.
constexpr std::size_t kUserBytes = 128;
constexpr std::size_t kHostBytes = 253;
constexpr std::size_t kProgramBytes = 64;

const char* const kWithoutJournal = "; prenos teče brez dnevnika.";

const char* const kStepNames[] = {"ZAPIS", "FIFO1", "FIFO2", "PREDZNAKI"};

const std::string kDayAndRisk = " WHERE DAT_STANJA = :DAN AND OT_LIK = :OT_LIK";
const std::string kPositions = " FROM OBLIM o, OBLIMD1 d WHERE o.DAT_STANJA = :DAN AND o.OT_LIK = :OT_LIK "
                               "AND d.DAT_STANJA = o.DAT_STANJA AND d.OT_LIK = o.OT_LIK "
                               "AND d.ID_SEQ_OBLIM = o.ID_SEQ_OBLIM";

std::string SystemUser() {
    if (const passwd* entry = getpwuid(geteuid()))
        return entry->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

std::string ProgramAndVersion() {
    return std::string(program_invocation_short_name) + " " + ProgramVersion;
}

TVariant Number(long long value) {
    return TVariant::FromInteger(value);
}

} // namespace

TRunJournal::TRunJournal(TRunContext& context, int riskType)
    : FContext(context), FRiskType(riskType), FQuery(context.DM.OracleSession1) {
    context.JournalId = 0;
    // A window that is not logged on keeps no journal: the extraction says what is wrong.
    if (!context.DM.OracleSession1.Connected())
        return;
    try {
        WaitingOnLocks(
            context, "drug prenos", [&] { Start(); }, [&] { RefuseRunInProgress(context, riskType); });
    } catch (const EOracleError& error) {
        context.DM.OracleSession1.Rollback();
        Unavailable(error);
    }
}

void TRunJournal::Start() {
    TOracleSession& session = FContext.DM.OracleSession1;
    MarkKilledRuns(session, true);
    const long long id = FQuery.Count("SELECT OBLI_DNEVNIK_SEQ.NEXTVAL FROM DUAL", {});
    FQuery.Run("INSERT INTO OBLI_DNEVNIK (ID, DAT_STANJA, OT_LIK, UPORABNIK, OS_UPORABNIK, RACUNALNIK, "
               "PROCES, PROGRAM, ZACETEK, IZID) VALUES (:ID, :DAN, :OT_LIK, :UPORABNIK, :OS_UPORABNIK, "
               ":RACUNALNIK, :PROCES, :PROGRAM, :ZACETEK, :IZID)",
               {{"ID", Number(id)},
                {"DAN", DayValue(FContext.ReportDay)},
                {"OT_LIK", Number(FRiskType)},
                {"UPORABNIK", TVariant::FromText(FirstBytes(FContext.UserName, kUserBytes))},
                {"OS_UPORABNIK", TVariant::FromText(FirstBytes(SystemUser(), kUserBytes))},
                {"RACUNALNIK", TVariant::FromText(FirstBytes(JournalHostName(), kHostBytes))},
                {"PROCES", Number(getpid())},
                {"PROGRAM", TVariant::FromText(FirstBytes(ProgramAndVersion(), kProgramBytes))},
                {"ZACETEK", TVariant::FromDateTime(Now())},
                {"IZID", TVariant::FromText(journal::kRunning)}});
    session.Commit();
    FId = id;
    FContext.JournalId = id;
}

void TRunJournal::Unavailable(const EOracleError& error) {
    if (FContext.JournalMissingShown)
        return;
    FContext.JournalMissingShown = true;
    if (error.ErrorCode() == kNoPrivilege)
        Ui().ShowMessage(std::string("Uporabnik nima pravic do tabel dnevnika prenosov (OBLI_DNEVNIK)") +
                         kWithoutJournal);
    else if (IsOutOfReach(error) || error.ErrorCode() == kSequenceMissing)
        // Oracle does not tell a table that is missing from one the user may not see.
        Ui().ShowMessage(
            std::string("Tabele dnevnika prenosov (OBLI_DNEVNIK) v bazi ni ali je uporabnik ne sme "
                        "videti") +
            kWithoutJournal);
    else
        Ui().ShowMessage(std::string("Dnevnika prenosov (OBLI_DNEVNIK) ni mogoče pisati: ") + error.what() +
                         kWithoutJournal);
}

void TRunJournal::Write(const std::function<void()>& write) {
    if (!Active() || !FFailure.empty())
        return;
    try {
        write();
    } catch (const std::exception& error) {
        FFailure = error.what();
        Ui().ShowMessage(std::string("Dnevnik prenosov ni uspel: ") + FFailure +
                         " Prenos teče naprej, dnevnik ne beleži več njegovih številk.");
    }
}

TJournalValues TRunJournal::Key() const {
    return {{"ID", Number(FId)}, {"DAN", DayValue(FContext.ReportDay)}, {"OT_LIK", Number(FRiskType)}};
}

void TRunJournal::InsertTotals(const char* step, const std::string& select) {
    TJournalValues values = Key();
    values.emplace_back("KORAK", TVariant::FromText(step));
    FQuery.Run(
        "INSERT INTO OBLI_USKLADITEV (ID_DNEVNIK, KORAK, ID_KONTO, ID_VAL, VRSTIC, ZNSVAL, ZNSDOMVAL) " +
            select,
        values);
}

TRunJournal::TCounts TRunJournal::Counts() {
    return {FQuery.Count("SELECT COUNT(*) FROM OBLIM" + kDayAndRisk, Key()),
            FQuery.Count("SELECT COUNT(*) FROM OBLIMD1" + kDayAndRisk, Key()),
            FQuery.Count("SELECT COUNT(*)" + kPositions + " AND d.ZNSVAL > 0", Key())};
}

void TRunJournal::Extracted(int rows) {
    FExtracted = rows;
    // In the run's transaction: a commit here would end it and free the run's claim.
    Write([&] {
        FQuery.Run("UPDATE OBLI_DNEVNIK SET IZVORNIH = :IZVORNIH WHERE ID = :ID",
                   {{"IZVORNIH", Number(rows)}, {"ID", Number(FId)}});
    });
}

void TRunJournal::SourceRead(const TSourceTotals& totals) {
    Write([&] {
        for (const auto& [key, total] : totals.ByAccountAndCurrency()) {
            TJournalValues values = Key();
            values.emplace_back("KORAK", TVariant::FromText("IZVOR"));
            values.emplace_back("ID_KONTO", TVariant::FromText(key.first));
            values.emplace_back("ID_VAL", TVariant::FromText(key.second));
            values.emplace_back("VRSTIC", Number(total.Rows));
            values.emplace_back(
                "ZNSVAL", total.Amount.Count() == 0 ? TVariant() : TVariant::FromFloat(total.Amount.Value()));
            FQuery.Run("INSERT INTO OBLI_USKLADITEV (ID_DNEVNIK, KORAK, ID_KONTO, ID_VAL, VRSTIC, ZNSVAL, "
                       "ZNSDOMVAL) VALUES (:ID, :KORAK, :ID_KONTO, :ID_VAL, :VRSTIC, :ZNSVAL, NULL)",
                       values);
        }
    });
}

void TRunJournal::AfterStep(TJournalStep step) {
    Write([&] {
        const int index = static_cast<int>(step);
        InsertTotals(kStepNames[index], "SELECT :ID, :KORAK, d.ID_KONTO, d.ID_VAL, COUNT(*), SUM(d.ZNSVAL), "
                                        "SUM(d.ZNSDOMVAL)" +
                                            kPositions + " GROUP BY d.ID_KONTO, d.ID_VAL");
        FAfter[index] = Counts();
        // The lot copy gives every position its detail's lots; those that differ now are what it changes.
        if (step == TJournalStep::Predznaki)
            FLotChanges = FQuery.Count(
                "SELECT COUNT(*) FROM OBLIM o WHERE o.DAT_STANJA = :DAN AND o.OT_LIK = :OT_LIK "
                "AND NVL(o.STEVILO_LOTOV, -1E30) <> NVL((SELECT MAX(d.STEVILO_LOTOV) FROM OBLIMD1 d "
                "WHERE d.DAT_STANJA = o.DAT_STANJA AND d.OT_LIK = o.OT_LIK AND d.ID_SEQ_OBLIM = "
                "o.ID_SEQ_OBLIM), "
                "-1E30)",
                Key());
    });
}

void TRunJournal::Completed() {
    Write([&] { CompletedWithFigures(); });
    if (!Active())
        return;
    // The figures are lost; the outcome is not.
    try {
        Finish("NAPAKA = :NAPAKA, STATUS = :STATUS",
               {{"IZID", TVariant::FromText(journal::kCompleted)},
                {"NAPAKA", TVariant::FromText(FirstBytes("Dnevnik: " + FFailure, kTextBytes))},
                {"STATUS", TVariant::FromText(kClosingOutstanding)}});
    } catch (const std::exception&) {
        // Reported once already; the next run's sweep tells this row's end from its process.
    }
}

void TRunJournal::CompletedWithFigures() {
    InsertTotals("KONCNO", "SELECT :ID, :KORAK, ID_KONTO, ID_VAL, COUNT(*), SUM(ZNSVAL), SUM(ZNSDOMVAL) "
                           "FROM OBLIMD1" +
                               kDayAndRisk + " GROUP BY ID_KONTO, ID_VAL");
    const TCounts last = Counts();
    const TCounts& zapis = FAfter[0];
    const TCounts& fifo1 = FAfter[1];
    const TCounts& fifo2 = FAfter[2];
    const TCounts& predznaki = FAfter[3];
    Finish("ZAPISANO_OBLIM = :ZAPISANO_OBLIM, ZAPISANO_OBLIMD1 = :ZAPISANO_OBLIMD1, "
           "ZAPISANO_OBLIAM = :ZAPISANO_OBLIAM, FIFO1_OBLIM = :FIFO1_OBLIM, FIFO2_OBLIM = :FIFO2_OBLIM, "
           "FIFO2_OBLIMD1 = :FIFO2_OBLIMD1, PREDZNAKI_OBLIM = :PREDZNAKI_OBLIM, "
           "PREDZNAKI_OBLIMD1 = :PREDZNAKI_OBLIMD1, PREDZNAKI_SPREM = :PREDZNAKI_SPREM, "
           "LOTI_SPREM = :LOTI_SPREM, KONCNO_OBLIM = :KONCNO_OBLIM, KONCNO_OBLIMD1 = :KONCNO_OBLIMD1, "
           "STATUS = :STATUS",
           {{"IZID", TVariant::FromText(journal::kCompleted)},
            {"ZAPISANO_OBLIM", Number(zapis.Oblim)},
            {"ZAPISANO_OBLIMD1", Number(zapis.OblimD1)},
            {"ZAPISANO_OBLIAM", Number(FQuery.Count("SELECT COUNT(*) FROM OBLIAM" + kDayAndRisk, Key()))},
            {"FIFO1_OBLIM", Number(zapis.Oblim - fifo1.Oblim)},
            {"FIFO2_OBLIM", Number(fifo1.Oblim - fifo2.Oblim)},
            {"FIFO2_OBLIMD1", Number(fifo1.OblimD1 - fifo2.OblimD1)},
            {"PREDZNAKI_OBLIM", Number(fifo2.Oblim - predznaki.Oblim)},
            {"PREDZNAKI_OBLIMD1", Number(fifo2.OblimD1 - predznaki.OblimD1)},
            // A settled positive row turns negative and is never deleted: one per rewritten row.
            {"PREDZNAKI_SPREM", Number(fifo2.Positive - predznaki.Positive)},
            {"LOTI_SPREM", Number(FLotChanges)},
            {"KONCNO_OBLIM", Number(last.Oblim)},
            {"KONCNO_OBLIMD1", Number(last.OblimD1)},
            {"STATUS", TVariant::FromText(kClosingOutstanding)}});
}

void TRunJournal::NoData() {
    Committed([&] { Finish("IZVORNIH = 0", {{"IZID", TVariant::FromText(journal::kNoData)}}); });
}

void TRunJournal::Stopped(const char* outcome, const std::string& where, const std::string& error) noexcept {
    // The rolled-back run took its source row count with it.
    Committed([&] {
        Finish("POZICIJA = :POZICIJA, NAPAKA = :NAPAKA, IZVORNIH = :IZVORNIH",
               {{"IZID", TVariant::FromText(outcome)},
                {"POZICIJA", TVariant::FromText(FirstBytes(where, 200))},
                {"NAPAKA", TVariant::FromText(FirstBytes(error, kTextBytes))},
                {"IZVORNIH", FExtracted < 0 ? TVariant() : Number(FExtracted)}});
    });
}

// Outside the run's transaction, so other runs' locks may be in the way for a while.
void TRunJournal::Committed(const std::function<void()>& finish) noexcept {
    if (!Active())
        return;
    try {
        WaitingOnLocks(FContext, "dnevnik prenosov", [&] {
            finish();
            FContext.DM.OracleSession1.Commit();
        });
    } catch (...) {
        // A lost connection or a cancel leaves the row "teče", which the next run's sweep marks.
    }
}

void TRunJournal::Finish(const std::string& assignments, TJournalValues values) {
    values.emplace_back("KONEC", TVariant::FromDateTime(Now()));
    values.emplace_back("ID", Number(FId));
    FQuery.Run("UPDATE OBLI_DNEVNIK SET IZID = :IZID, KONEC = :KONEC, " + assignments + " WHERE ID = :ID",
               values);
    FDone = true;
}

namespace {

std::string VariableText(const TOracleQuery& query, const std::string& name) {
    const TVariant value = query.VariableValue(name);
    return value.IsNull() ? std::string() : value.Text();
}

void RecordClosing(TRunContext& context, const std::string& status, const std::string& text) {
    if (context.JournalId == 0)
        return;
    try {
        WaitingOnLocks(context, "dnevnik prenosov", [&] {
            TJournalQuery query(context.DM.OracleSession1);
            query.Run("UPDATE OBLI_DNEVNIK SET STATUS = :STATUS, STATUS_TEXT = :STATUS_TEXT WHERE ID = :ID",
                      {{"STATUS", TVariant::FromText(FirstBytes(status, 100))},
                       {"STATUS_TEXT", TVariant::FromText(FirstBytes(text, kTextBytes))},
                       {"ID", Number(context.JournalId)}});
            context.DM.OracleSession1.Commit();
        });
    } catch (const std::exception& error) {
        // The run and the procedure are done; the journal's loss must not turn them into a failure.
        Ui().ShowMessage(std::string("Dnevnik prenosov ni uspel: ") + error.what());
    }
}

} // namespace

void PrepissProceduroVDnevnik(TRunContext& context, int otLik) {
    try {
        PrepissProceduro(context, otLik);
    } catch (const std::exception& error) {
        RecordClosing(context, "napaka", error.what());
        throw;
    }
    RecordClosing(context, VariableText(context.DM.Qp, "status"), VariableText(context.DM.Qp, "StatusText"));
}
