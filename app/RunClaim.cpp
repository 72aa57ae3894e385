// The claim row is locked with NOWAIT, so a second run is refused at once on Oracle; on the embedded
// engine the lock is the database's writer lock, taken by touching the row, so the second run waits
// out the engine's busy timeout before it is refused. The holder is read only after the lock is
// ours, so nobody can change it between the check and the run.
#include "app/RunClaim.h"

#include "app/LookupCycle.h"
#include "platform/settings/DateText.h"

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kUniqueViolated = 1;
constexpr int kResourceBusy = 54;
constexpr int kTableMissing = 942;
// Two runs can swap the row only between two statements of each other; a few retries settle that.
constexpr int kAttempts = 40;

const std::string kKey = " WHERE DAT_STANJA = :DAN AND OT_LIK = :OT_LIK";

std::string HostName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

// A DATE column keeps whole seconds; our own start must compare equal once stored.
TDateTime WholeSecondNow() {
    const TDateTime now = Now();
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeDate(now, year, month, day);
    DecodeTime(now, hour, minute, second, millisecond);
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0);
}

// The pause differs by process, so two runs that swapped the row once do not keep swapping it.
void Pause(int process) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + process % 40));
}

} // namespace

TRunClaim::TRunClaim(TRunContext& context, int riskType)
    : FContext(context), FRiskType(riskType), FHost(HostName()), FProcess(getpid()),
      FStart(WholeSecondNow()) {
    FQuery.SetSession(&context.DM.OracleSession1);
    for (int attempt = 1;; ++attempt) {
        try {
            bool present = false;
            if (LockRow(present)) {
                FActive = true;
                return;
            }
            Publish(present);
        } catch (const EOracleError& error) {
            if (error.ErrorCode() == kTableMissing)
                return;
            if (error.ErrorCode() != kResourceBusy)
                throw;
            const THolder holder = ReadHolder();
            // Busy without a claim: the database is locked by something else, and that is the error.
            if (!holder.Present)
                throw;
            if (!IsOurs(holder) || attempt == kAttempts)
                Refuse(holder);
            Pause(FProcess);
        }
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

TRunClaim::THolder TRunClaim::ReadHolder() {
    Execute("SELECT UPORABNIK, RACUNALNIK, PROCES, ZACETEK FROM OBLI_PRENOS" + kKey);
    THolder holder;
    if (FQuery.Eof())
        return holder;
    holder.Present = true;
    holder.User = FQuery.ColumnIsNull(0) ? "" : FQuery.ColumnAsString(0);
    holder.Host = FQuery.ColumnIsNull(1) ? "" : FQuery.ColumnAsString(1);
    holder.Process = FQuery.ColumnIsNull(2) ? 0 : FQuery.ColumnAsInteger(2);
    holder.Start = FQuery.ColumnIsNull(3) ? "" : FormatDateTime(FQuery.ColumnAsDate(3));
    return holder;
}

bool TRunClaim::IsOurs(const THolder& holder) const {
    return holder.Present && holder.Host == FHost && holder.Process == FProcess &&
           holder.Start == FormatDateTime(FStart);
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
            FQuery.AssignVariable(name, TVariant::FromText(name == "UPORABNIK" ? FContext.UserName : FHost));
        }
    }
    FQuery.Execute();
}

void TRunClaim::Refuse(const THolder& holder) const {
    throw Exception("Prenos dneva " + FormatDayMonthYear(FContext.ReportDay) + " za vrsto tveganja " +
                    std::to_string(FRiskType) + " že teče: uporabnik " + holder.User + ", računalnik " +
                    holder.Host + ", začetek " + holder.Start + ".");
}
