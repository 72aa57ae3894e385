// The holdings, deal and turnover facts behind a position's amounts and lots: lots and price of a
// holding on the report day, whether the day is closed, lots and average price from the deals,
// and the month's turnover of the position's sale deals on its account.
#pragma once

#include "app/RunContext.h"

#include <cstdint>
#include <string>

//! Lots of the deal's holding on the report day (VPHST by deal); ZST := pledged lots of the
//! contract's holding (VPSHST by contract), GLVTCJNKP := the deal holding's price; 0 when none.
double BeriLote(TRunContext& context, int sfvp, std::int64_t idpog, std::int64_t posel);
//! Whether the day has a closing record of kind "D" for the code.
bool JeVZdnhst(TDataModule& dm, const std::string& dayText, const std::string& sfdjv);
//! The average price of the contract's purchase deals; STEVILO_LOTOV and DOGZST := the deals'
//! lots and pledged lots.
double BeriPNC(TRunContext& context, std::int64_t idpog, int sfvp);
//! The report month's turnover of the current source row's deals of types "V" and "x" booked on
//! the account labelled konto; 0 when none. The statement goes to A.SQL first; inside a run the
//! grouped statement of all positions, once.
double BeriPodatke_V(TRunContext& context, std::int64_t idpog, int vp1, const std::string& konto);
