// The result datasets hold the rows appended in the transaction; after a rollback they are closed,
// so that nothing shows rows the database no longer has.
#include "app/RunTransaction.h"

TRunTransaction::TRunTransaction(TRunContext& context, int riskType)
    : FContext(context), FClaim(context, riskType) {
    FClaim.Take();
    SetCommitOnPost(false);
}

TRunTransaction::~TRunTransaction() {
    Rollback();
    SetCommitOnPost(true);
}

void TRunTransaction::SetCommitOnPost(bool value) {
    for (TOracleDataSet* dataSet : {&FContext.DM.Qoblim, &FContext.DM.QOblimD1, &FContext.DM.Qobliam})
        dataSet->CommitOnPost = value;
}

void TRunTransaction::Commit() {
    FClaim.Remove();
    FContext.DM.OracleSession1.Commit();
    FOpen = false;
}

void TRunTransaction::Rollback() noexcept {
    if (!FOpen)
        return;
    FOpen = false;
    try {
        FContext.DM.OracleSession1.Rollback();
    } catch (...) {
        // The server rolls back a lost session's transaction by itself.
    }
    for (TOracleDataSet* dataSet : {&FContext.DM.Qoblim, &FContext.DM.QOblimD1, &FContext.DM.Qobliam}) {
        try {
            dataSet->Close();
        } catch (...) {
            // Closing only frees the buffers; the run's own error is the one to report.
        }
    }
    FClaim.Abandon();
}
