// The text of a variant under the process locale, shared by the field conversions and the Oracle
// layer's column and bind-variable conversions. A field that shows only a date or only a time
// formats its date-times itself.
#pragma once

#include "platform/dataset/Variant.h"

#include <string>

//! Empty for NULL; numbers and date-times as the locale writes them; bytes as they are.
std::string TextValue(const TVariant& value);
