// The stored results of a day and risk type as the main window shows them: the preview of every
// position (OBLIM joined with OBLIMD1, in Q1) and the repayment plan of one position (in Qobliam1).
#pragma once

#include "app/RunContext.h"

//! Opens Q1 on the day's positions of the risk type, sets lblStevilo to their count and goes to the
//! first. A failure shows the statement and raises again; the grid keeps its previous content.
void Predogled(TRunContext& context, int riskType);

//! ID_SEQ_OBLIM of Q1's current row; 0 when Q1 has no such column or the value is no integer.
int IzbranaPozicija(TDataModule& dm);

//! Opens Qobliam1 on the plan of position idSeqOblim of the day and risk type; whether it has rows.
//! A failure shows the statement and raises again.
bool BeriObliam(TRunContext& context, int riskType, int idSeqOblim);
