// The closing procedure of a run: OBLI_COPY is called for the day and risk type and its status is
// shown to the user as the procedure returns it; what it copies and its status values are the
// database's business.
#pragma once

#include "app/RunContext.h"

void PrepissProceduro(TRunContext& context, int otLik);
