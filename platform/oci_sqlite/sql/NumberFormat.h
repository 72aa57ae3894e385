// Oracle's number format models both ways (TO_CHAR of a number, TO_NUMBER of a text) and the NLS
// parameters those functions take as their third argument.
#pragma once

#include "platform/oci_sqlite/sql/Decimal.h"

#include <string>
#include <string_view>

namespace orasql {

// What the NLS parameter text of TO_CHAR and TO_NUMBER sets: the characters D and G stand for.
struct NlsParameters {
    char decimal = '.';
    char group = ',';
};

// "NLS_NUMERIC_CHARACTERS = ',.'", also NLS_CURRENCY and NLS_ISO_CURRENCY (which no supported
// model uses) and NLS_DATE_LANGUAGE (AMERICAN or ENGLISH, the engine's only language); anything
// else is ORA-12702.
NlsParameters ReadNlsParameters(std::string_view text);

// Format models of 9, 0, '.', ',', D, G, FM, S and MI; '#' fills a value that does not fit, as in
// Oracle, and any other model is ORA-01481.
std::string FormatNumber(const Decimal& value, std::string_view format, const NlsParameters& nls = {});

// The text must match the model: no more digits than it has places on either side of the point,
// group separators only where it has them, the sign where it puts one; otherwise ORA-01722.
Decimal ParseNumber(std::string_view text, std::string_view format, const NlsParameters& nls = {});

} // namespace orasql
