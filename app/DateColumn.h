// Date columns of the result tables written from the date texts the valuation hands over.
#pragma once

#include "platform/dataset/Field.h"

#include <string>

//! Sets the field to the day a short-date text names; an empty text and the zero day (30.12.1899,
//! which stands for "no date" in the valuation) leave it NULL rather than storing a false day.
void SetDateColumn(TField& field, const std::string& dayText);
