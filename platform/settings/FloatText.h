// Numbers as text in the locale: the general float-to-text conversion (shortest text of at most 15
// significant digits), its inverse, and the decimal-point form that statements need.
#pragma once

#include <string>

// 0.1 -> "0,1", 100 -> "100", 1e20 -> "1E20", 1.5e-7 -> "1,5E-7".
std::string FloatToStr(double value);
// Accepts the locale's decimal separator and an optional exponent; raises Exception
// "'<text>' is not a valid floating point value" otherwise.
double StrToFloat(const std::string& text);
// Every "," becomes "." so a number rendered with a decimal comma can stand in a statement.
std::string CommaToPoint(const std::string& text);
