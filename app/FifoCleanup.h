// The FIFO clean-up passes over the day's stored VKNT '6' positions: within an account and contract,
// rows up to a date where the amounts have summed back to zero are closed out and deleted. The
// first pass keys on the opening date, the second on the maturity date and then drops orphan details.
#pragma once

#include "app/RunContext.h"

//! Deletes the OBLIM rows closed out by opening date; the scan is saved to fifo1.SQL.
void FIFOBrisanje1(TRunContext& context, int otLik);
//! Deletes the OBLIM rows closed out by maturity date, then the OBLIMD1 rows left without their
//! OBLIM row; the scan is saved to fifo2.SQL.
void FIFOBrisanje2(TRunContext& context, int otLik);
