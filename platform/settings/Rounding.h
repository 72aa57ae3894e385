// Rounding of amounts to cents, seen on the exact value of the double: ties go to even, and a double
// just above a tie (0.025) rounds up while one just below (0.015) rounds down.
#pragma once

double RoundToCents(double value);
