// The steps of the transfer run that Prepis strings together: replacing the day's earlier results,
// writing one OBLIM and OBLIMD1 row per source row, and the repayment plans after the clean-up.
// Each shows its own failure message and raises again; the progress texts are theirs too.
#pragma once

#include "app/OblimRow.h"
#include "app/RunContext.h"
#include "app/journal/SourceTotals.h"

#include <string>

//! " WHERE DAT_STANJA='<day>'  AND OT_LIK=<risk type>": the day's rows of one risk type.
std::string DayAndRiskCondition(const std::string& datStanja, int riskType);

//! Deletes the day's rows of the risk type from OBLIM, OBLIMD1 and OBLIAM (not yet committed).
void BrisanjeStarihRezultatov(TRunContext& context, const TRowOutput& output);

//! Opens Qoblim, QOblimD1 and Qobliam over the day's rows with their ROWID, ready for appending.
void OdpriRezultateZaDodajanje(TRunContext& context, const TRowOutput& output);

//! Values every row of Q1 and writes its OBLIM and OBLIMD1 row, numbered from 1; the source rows'
//! totals are summed into sourceTotals on the way.
void ZapisPozicij(TRunContext& context, TRowOutput& output, int rowCount, TSourceTotals& sourceTotals);

//! Writes the plan of every remaining amortising OBLIM row of the day that still holds lots.
void ZapisAmortizacijskihNacrtov(TRunContext& context, TRowOutput& output);
