// The writers of one position's OBLIM row and its OBLIMD1 detail row. They expect the run to have
// Qoblim and QOblimD1 open for appending, Q1 on the source row and Qkpn on the security's current
// coupon period; each posts its row (committed when the dataset commits per post) and leaves failures to the
// run.
#pragma once

#include "app/OblimRow.h"
#include "app/uDM.h"

//! Appends and posts the OBLIM row of the output record, numbered seq.
void ZapisVrsticeOblim(TDM& dm, TRowOutput& output, std::int64_t seq);

//! Appends and posts the matching OBLIMD1 row, numbered seq.
void ZapisVrsticeOblimD1(TDM& dm, TRowOutput& output, std::int64_t seq);
