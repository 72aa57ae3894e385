// Date columns: the day texts the valuation reads from them, and the result tables' date columns
// written from the texts it hands over.
#pragma once

#include "platform/dataset/Field.h"

#include <string>

//! The day of a date column as short-date text, whatever time of day it carries; "" when NULL.
std::string DayText(const TField& field);

//! Sets the field to the day a short-date text names; an empty text and the zero day (30.12.1899,
//! which stands for "no date" in the valuation) leave it NULL rather than storing a false day.
void SetDateColumn(TField& field, const std::string& dayText);
