// The transfer run of a report day and risk type: the source rows are read, the day's earlier
// results of that risk type replaced by one valued OBLIM and OBLIMD1 row per source row, the
// clean-up passes run, the repayment plans written, and the result previewed.
#pragma once

#include "app/OblimRow.h"
#include "app/RunContext.h"

//! The run itself (output.RiskType keys the rows). A day without source rows shows its message and
//! leaves the earlier results; every error has shown its message and raises again.
void Prepis(TRunContext& context, TRowOutput& output);

//! What "&Start prenosa" does: the grid shows nothing during Prepis, then the day's OBLIM rows,
//! the preview and the closing procedure. When Prepis raises, nothing after it runs.
void StartPrenosa(TRunContext& context, TRowOutput& output);
