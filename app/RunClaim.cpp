// The claim row is locked with NOWAIT, so a second run is refused at once on Oracle; on the embedded
// engine the lock is the database's writer lock, taken by touching the row, so runs of other risk
// types meet it too and wait. The holder is read only after the lock is ours, so nobody can change it
// between the check and the run.
#include "app/RunClaim.h"

#include "app/LockConflicts.h"
#include "app/LookupCycle.h"
#include "app/journal/KilledRuns.h"
#include "platform/settings/DateText.h"
#include "platform/settings/TextUtils.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

constexpr int kUniqueViolated = 1;
// Oracle's limits for a user name and a host name, in bytes.
constexpr std::size_t kUserBytes = 128;
constexpr std::size_t kHostBytes = 253;

const std::string kKey = " WHERE DAT_STANJA = :DAN AND OT_LIK = :OT_LIK";

// A DATE column keeps whole seconds; our own start must compare equal once stored.
TDateTime WholeSecondNow() {
    const TDateTime now = Now();
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeDate(now, year, month, day);
    DecodeTime(now, hour, minute, second, millisecond);
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0);
}

} // namespace

TRunClaim::TRunClaim(TRunContext& context, int riskType)
    : FContext(context), FRiskType(riskType), FHost(FirstBytes(JournalHostName(), kHostBytes)),
      FProcess(getpid()), FStart(WholeSecondNow()) {
    FQuery.SetSession(&context.DM.OracleSession1);
}

// A window that is not logged on claims nothing: the extraction says what is wrong.
void TRunClaim::RefuseIfRunning() {
    if (!FContext.DM.OracleSession1.Connected())
        return;
    try {
        Execute("SELECT OT_LIK FROM OBLI_PRENOS" + kKey + " FOR UPDATE NOWAIT");
        FContext.DM.OracleSession1.Rollback();
    } catch (const EOracleError& error) {
        FContext.DM.OracleSession1.Rollback();
        if (!IsLockConflict(error))
            return; // the claim itself will find its way round it
        RefuseIfHolderRuns();
    }
}

void TRunClaim::RefuseIfHolderRuns() {
    const THolder holder = ReadHolder();
    if (IsRunning(holder))
        Refuse(holder);
}

void TRunClaim::Take() {
    if (!FContext.DM.OracleSession1.Connected())
        return;
    try {
        WaitingOnLocks(
            FContext, "drug prenos", [&] { TakeRow(); }, [&] { RefuseIfHolderRuns(); });
    } catch (const EOracleError& error) {
        FContext.DM.OracleSession1.Rollback();
        // A user without rights on the claim table, an older schema, a column too narrow for the
        // user's name: the run goes on, kept apart by the result table's lock.
        if (!IsOutOfReach(error))
            Ui().ShowMessage(std::string("Zahtevka prenosa (OBLI_PRENOS) ni mogoče zapisati: ") +
                             error.what());
        LockResultTable();
    }
}

void TRunClaim::TakeRow() {
    for (;;) {
        bool present = false;
        if (LockRow(present)) {
            FActive = true;
            return;
        }
        Publish(present);
    }
}

bool TRunClaim::LockRow(bool& present) {
    Execute("SELECT OT_LIK FROM OBLI_PRENOS" + kKey + " FOR UPDATE NOWAIT");
    present = !FQuery.Eof();
    if (!present)
        return false;
    // The engine takes its writer lock with the first change; on Oracle the row is ours already.
    Execute("UPDATE OBLI_PRENOS SET OT_LIK = OT_LIK" + kKey);
    return IsOurs(ReadHolder());
}

// Without a claim row nobody can be named; a run holding the table is all that is known.
void TRunClaim::LockResultTable() {
    try {
        Execute("LOCK TABLE OBLIM IN EXCLUSIVE MODE NOWAIT");
    } catch (const EOracleError& error) {
        if (!IsLockConflict(error))
            throw;
        THolder unknown;
        unknown.User = unknown.Host = unknown.Start = "neznan";
        Refuse(unknown);
    }
}

TRunClaim::THolder TRunClaim::ReadHolder() {
    Execute("SELECT UPORABNIK, RACUNALNIK, PROCES, ZACETEK FROM OBLI_PRENOS" + kKey);
    THolder holder;
    if (FQuery.Eof())
        return holder;
    holder.Present = true;
    holder.User = FQuery.ColumnIsNull(0) ? "" : FQuery.ColumnAsString(0);
    holder.Host = FQuery.ColumnIsNull(1) ? "" : FQuery.ColumnAsString(1);
    holder.Process = FQuery.ColumnIsNull(2) ? 0 : FQuery.ColumnAsInt32(2);
    holder.Start = FQuery.ColumnIsNull(3) ? "" : FormatDateTime(FQuery.ColumnAsDate(3));
    return holder;
}

bool TRunClaim::IsOurs(const THolder& holder) const {
    return holder.Present && holder.Host == FHost && holder.Process == FProcess &&
           holder.Start == FormatDateTime(FStart);
}

// A holder on this host whose process is gone was killed, and one of this process is a run of ours
// that could not remove its row: neither blocks anybody.
bool TRunClaim::IsRunning(const THolder& holder) const {
    if (!holder.Present)
        return false;
    if (holder.Host != FHost || holder.Process <= 0)
        return true;
    return holder.Process != FProcess && (kill(holder.Process, 0) == 0 || errno != ESRCH);
}

// Committed, so that a run refused while we hold the lock can read whom it waits for.
void TRunClaim::Publish(bool present) {
    try {
        Execute(present
                    ? "UPDATE OBLI_PRENOS SET UPORABNIK = :UPORABNIK, RACUNALNIK = :RACUNALNIK, "
                      "PROCES = :PROCES, ZACETEK = :ZACETEK" +
                          kKey
                    : "INSERT INTO OBLI_PRENOS (DAT_STANJA, OT_LIK, UPORABNIK, RACUNALNIK, PROCES, ZACETEK) "
                      "VALUES (:DAN, :OT_LIK, :UPORABNIK, :RACUNALNIK, :PROCES, :ZACETEK)");
        FContext.DM.OracleSession1.Commit();
    } catch (const EOracleError& error) {
        // Another run inserted the row first; the next attempt meets its lock or takes it over.
        if (error.ErrorCode() != kUniqueViolated)
            throw;
        FContext.DM.OracleSession1.Rollback();
    }
}

void TRunClaim::Remove() {
    if (FActive)
        Execute("DELETE FROM OBLI_PRENOS" + kKey);
}

void TRunClaim::Abandon() noexcept {
    if (!FActive)
        return;
    try {
        Execute("DELETE FROM OBLI_PRENOS" + kKey + " AND RACUNALNIK = :RACUNALNIK AND PROCES = :PROCES");
        FContext.DM.OracleSession1.Commit();
    } catch (...) {
        // A lost connection took the lock with it; the row left behind blocks nobody.
    }
}

void TRunClaim::Execute(const std::string& sql) {
    using namespace otType;
    FQuery.CloseStatement();
    FQuery.DeleteVariables();
    FQuery.SetSQLText(sql);
    for (const auto& [name, position] : TOracleQuery::FindVariables(sql, true)) {
        if (name == "DAN" || name == "ZACETEK") {
            FQuery.AddVariable(name, otDate);
            FQuery.AssignVariable(name, name == "DAN" ? DayValue(FContext.ReportDay)
                                                      : TVariant::FromDateTime(FStart));
        } else if (name == "OT_LIK" || name == "PROCES") {
            FQuery.AddVariable(name, otInteger);
            FQuery.AssignVariable(name, TVariant::FromInteger(name == "OT_LIK" ? FRiskType : FProcess));
        } else {
            FQuery.AddVariable(name, otString);
            FQuery.AssignVariable(
                name,
                TVariant::FromText(name == "UPORABNIK" ? FirstBytes(FContext.UserName, kUserBytes) : FHost));
        }
    }
    FQuery.Execute();
}

void TRunClaim::Refuse(const THolder& holder) const {
    throw Exception("Prenos dneva " + FormatDayMonthYear(FContext.ReportDay) + " za vrsto tveganja " +
                    std::to_string(FRiskType) + " že teče: uporabnik " + holder.User + ", računalnik " +
                    holder.Host + ", začetek " + holder.Start + ".");
}

void RefuseRunInProgress(TRunContext& context, int riskType) {
    TRunClaim(context, riskType).RefuseIfRunning();
}
