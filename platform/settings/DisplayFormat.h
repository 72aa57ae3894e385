// Display formats of numeric fields: "#,##0.00"-style patterns with grouping, fixed and optional
// decimals, literal text and up to three sections (positive;negative;zero).
#pragma once

#include <string>

// '0' a digit always shown, '#' a digit shown when significant, '.' the decimal separator, ',' anywhere
// in the integer part turns on thousands grouping; text in '...' or "..." and any other character is
// copied. There is no exponent notation. An empty format falls back to FloatToStr.
std::string FormatFloat(const std::string& format, double value);
