// Dates and terms from the coupon schedule, the holdings history and the index table: the span of
// a security's coupons, the latest purchase date of a holding, the next coupon start after a day
// and the latest index day on or before a date.
#pragma once

#include "app/RunContext.h"

#include <cstdint>
#include <string>

//! SteviloDni := days from the first coupon start to the last coupon end, 0 when there are none;
//! returns the first coupon start as date text, empty when none. Outside a run it leaves Qkpn2 on
//! that start (PRVDAN).
std::string RacunajSteviloDni(TRunContext& context, int sfvp);
//! The latest purchase date of the holding on the report day; day 0 when it has none.
TDateTime RacunajDanNKPMAX(TRunContext& context, int sfvp, std::int64_t idpog);
//! The first coupon start strictly after the day, as date text; empty after the last one.
std::string BeriNaslednjiKupon(TDataModule& dm, int sfvp, TDateTime day);
//! The latest day on or before the date with a value of any index, as date text; empty when none.
std::string BeriPrviDanZaINX(TDataModule& dm, TDateTime day);
