// The transfer run as one unit of work: the deletion of the day's earlier results, the positions,
// the clean-up passes and the repayment plans are committed together or not at all, so a failed,
// cancelled or killed run leaves the day's previous results exactly as they were.
#pragma once

#include "app/RunClaim.h"

class TRunTransaction {
public:
    //! Claims the day and risk type (or raises the refusal) and stops the result datasets from
    //! committing per posted row.
    TRunTransaction(TRunContext& context, int riskType);
    //! Rolls back unless committed; the datasets commit per post again.
    ~TRunTransaction();
    TRunTransaction(const TRunTransaction&) = delete;
    TRunTransaction& operator=(const TRunTransaction&) = delete;

    void Commit();
    //! Undoes everything since the claim; a connection that is gone has undone it already.
    void Rollback() noexcept;

private:
    void SetCommitOnPost(bool value);

    TRunContext& FContext;
    TRunClaim FClaim;
    bool FOpen = true;
};
