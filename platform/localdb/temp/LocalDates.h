// Dates as the local engine stores them: text "YYYY-MM-DD" for a date and "YYYY-MM-DD HH:MM:SS"
// for a date-time, so that they compare and sort as text. Query texts write date literals as
// month/day/year ('03/10/2999', '03/10/2999 10:10:10'); the engine reads them in its own form.
#pragma once

#include "platform/dataset/FieldType.h"
#include "platform/settings/DateTime.h"

#include <string>

//! Whether values of a field type are stored as date text.
bool StoredAsDateText(TFieldType type);
//! The stored text of a date (type ftDate) or date-time.
std::string StoredDateText(TFieldType type, TDateTime value);
//! Reads a stored date text or a month/day/year literal; false when text is neither.
bool ParseDateText(const std::string& text, TDateTime& value);
//! The query text with every month/day/year literal rewritten in the stored form.
std::string WithStoredDateLiterals(const std::string& sql);
