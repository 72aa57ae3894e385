// The valuation of one source row: from the columns of Q1's current row and the reference-data
// lookups it fills every field of the output record that the row writers store, and leaves Qkpn on
// the security's current coupon period for them.
#pragma once

#include "app/OblimRow.h"
#include "app/RunContext.h"

#include <string>

//! "M" for a deal-account row (VKNT "6"), "E" for every other class.
std::string KindLetterFromVknt(const std::string& vknt);

//! Values Q1's current row into output.OblimRow; kindLetter is "E" or "M". A failed lookup has
//! shown its message and raises again; the row is then not to be written.
void PolniPodatke(TRunContext& context, TRowOutput& output, const std::string& kindLetter);
