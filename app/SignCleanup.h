// The sign-based clean-up of the day's stored VKNT '6' positions: within an account and contract,
// positive rows outweighed by the non-positive rows after them are settled; the consumed rows go and
// the positive row's detail keeps the remaining balance.
#pragma once

#include "app/RunContext.h"
#include "app/SignSettlement.h"

//! Scans the positions (saved to popredznakihvknt6.SQL) and settles each account and contract.
void BrisanjePoPredznakih(TRunContext& context, int otLik);

//! Deletes the consumed rows of one settlement (OBLIM and OBLIMD1) and rewrites the positive row's
//! detail with the remaining balance. Each statement is saved to its file in the program directory
//! before it runs.
void SpremenivBazivknt6(TRunContext& context, int otLik, const TSignSettlement& settlement);

//! Resets the day's details' maturity to their OBLIM row's, after the settlements; saved likewise.
void NastaviZapadlostiOblimD1(TRunContext& context, int otLik);
