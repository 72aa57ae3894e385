// The numeric reading of a variant, shared by the field conversions and the Oracle layer's column
// and bind-variable conversions. What NULL and a non-number mean, and the error raised, stays
// with each caller.
#pragma once

#include "platform/dataset/Variant.h"

#include <optional>
#include <string>

//! Reads a text as a number; raises when the text is not one.
using TNumberParser = double (*)(const std::string& text);

//! An integer, float or date-time as a double, a text through parseText (whose error passes
//! through); none for NULL and bytes.
std::optional<double> NumericValue(const TVariant& value, TNumberParser parseText);
