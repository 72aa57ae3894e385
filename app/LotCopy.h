// The lot copy that ends the clean-up: every OBLIM row of the day and risk type takes the lot count
// of its OBLIMD1 row, which for VKNT '6' positions is the domestic-currency amount.
#pragma once

#include "app/RunContext.h"

void RedundancnoFilanjeStevilaLotov(TRunContext& context, int otLik);
