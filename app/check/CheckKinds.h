// The kinds of gap the check looks for and what the run's valuation, writers and repayment plans do
// when they meet each: the report states it, and the exit status follows the worst of them.
#pragma once

#include "app/check/CheckFindings.h"

#include <string>
#include <vector>

//! A gap column of the check's statement and the kind of gap it marks.
struct TGapColumn {
    const char* Column;
    TCheckKind Kind;
};

//! The gaps in the reference data, in the order of the statement's columns.
const std::vector<TGapColumn>& ReferenceGaps();
//! A text longer than its result column's bytes.
const TCheckKind& TooLongLabel();
//! A number with more integer digits than its result column's NUMBER(p,s).
const TCheckKind& TooLargeNumber();
