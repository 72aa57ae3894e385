// The reference-data lookups of the valuation: exchange rate, instrument class, the coupon period
// containing the report day, index values and names, and the ECB term code. Each runs one
// parameterised SELECT on its data-module dataset, which stays open on the result.
#pragma once

#include "app/RunContext.h"

#include <string>

//! The latest rate (SFVLN '0') on or before the day; 1 for the domestic "E"; 0 when none or 0.
double BeriTecaj(TDataModule& dm, const std::string& currency, const std::string& dayText);
//! Whether the instrument's class is D, K or k and registered in code list LST.
bool JeDolzniskiVP(TDataModule& dm, const std::string& sffin);
//! The instrument's class code, empty when none.
std::string BeriSflst(TDataModule& dm, const std::string& sffin);
//! Leaves Qkpn on one row: the coupon period of the security containing the report day, or NULLs.
//! The valuation and the row writers read that row until the next source row. Inside a run Qkpn
//! holds the periods of every security, read once, and moves to this security's row.
void BeriTekociKupon(TRunContext& context, int sfvp);
//! The index value on or before the day, 0 when none.
double BeriINX(TDataModule& dm, const std::string& sfinx, const std::string& dayText);
//! The index name, empty when none.
std::string BeriNazivIndeksa(TDataModule& dm, const std::string& sfinx);
//! The code of ECB list 014 whose interval holds the days; 1 when none, 0 or on any error.
int BeriEcb014(TDataModule& dm, double days);
