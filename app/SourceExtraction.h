// The first step of a transfer run: the source rows of the report day opened in Q1, one row per
// position of the security accounts (VKNT '1', bookings of the report year) and the deal accounts
// (VKNT '6', bookings since 2007), with the referent of the run taken from the command line.
#pragma once

#include "app/RunContext.h"

#include <string>

//! The extraction statement for a report day, its pieces joined as the run sends them.
std::string ExtractionStatement(TDateTime reportDay);

//! Sets Referent, opens Q1 on the day's source rows, dumps the statement to ZORVEKA.SQL in the
//! program directory and shows the row count, which it returns. A failure shows the statement and
//! raises again.
int BeriPodatke(TRunContext& context);
