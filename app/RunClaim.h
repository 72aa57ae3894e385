// Keeps two transfer runs of one report day and risk type apart, on Oracle and on the embedded engine
// alike. A run commits its user, host, process and start time into the claim row of its day and risk
// type and then keeps that row locked in its own transaction: a second run finds it locked and is
// refused with the holder's details. The lock goes with the transaction, so neither a completed,
// failed nor killed run can leave a claim behind that blocks. Runs of other risk types that meet the
// same locks wait their turn. A user who may not use the claim table, or a database without it, keeps
// runs apart by locking OBLIM for the run.
#pragma once

#include "app/RunContext.h"

#include <string>

class TRunClaim {
public:
    //! Nothing is claimed yet.
    TRunClaim(TRunContext& context, int riskType);

    //! Raises the refusal naming the run in progress when the day and risk type are claimed; takes
    //! nothing.
    void RefuseIfRunning();
    //! Claims the day and risk type for the session's transaction, waiting while other runs' locks
    //! are in the way, or raises the refusal naming the run in progress.
    void Take();
    //! Deletes the claim row inside the run's transaction, so a committed run leaves none behind.
    void Remove();
    //! After the run's rollback: deletes the claim row if it is still ours, and commits.
    void Abandon() noexcept;

private:
    struct THolder {
        bool Present = false;
        std::string User, Host, Start;
        int Process = 0;
    };

    void TakeRow();
    //! Raises the refusal when the claim row names a run that is still going.
    void RefuseIfHolderRuns();
    //! Whether the row is locked and holds our claim; present tells whether it exists.
    bool LockRow(bool& present);
    void LockResultTable();
    THolder ReadHolder();
    bool IsOurs(const THolder& holder) const;
    bool IsRunning(const THolder& holder) const;
    void Publish(bool present);
    //! Runs sql with those of the claim's values bound that it names.
    void Execute(const std::string& sql);
    [[noreturn]] void Refuse(const THolder& holder) const;

    TRunContext& FContext;
    const int FRiskType;
    const std::string FHost;
    const int FProcess;
    const TDateTime FStart;
    bool FActive = false;
    TOracleQuery FQuery{"RunClaim"};
};

//! The refusal of a run whose day and risk type another run has claimed, before anything is written.
void RefuseRunInProgress(TRunContext& context, int riskType);
