// A client's define buffers and how a fetched value is written into one: as text (CHR, STR, AFC,
// AVC, LNG; numbers in Oracle's digits, dates in the session's NLS_DATE_FORMAT), as INT or FLT, as
// the 7-byte DAT, or in Oracle's internal forms VNU, ODT and RDD. Indicator, returned length and column
// return code are set as Oracle sets them.
#pragma once

#include "platform/oci_sqlite/ClientBuffer.h"
#include "platform/oci_sqlite/Value.h"

#include <string>

namespace ocisqlite {

using DefineSlot = ClientBuffer;

enum class WriteOutcome { Written, Truncated };

// Writes into row `row` of the client's arrays (fetched columns, and output binds such as a ROWID
// returned by an INSERT). ORA-01405 for NULL without an indicator.
WriteOutcome WriteValue(const Value& value, const DefineSlot& slot, ub4 row, bool isDate,
                        const std::string& nlsDateFormat);

} // namespace ocisqlite
