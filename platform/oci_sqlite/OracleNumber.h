// Oracle's NUMBER in its own bytes, as an OCINumber (SQLT_VNU) carries them: byte 0 the length of
// what follows, then an exponent byte and up to 20 base-100 digits. A positive number has exponent
// byte 193 + e and digits d + 1; a negative one 62 - e, digits 101 - d and, when shorter than 20
// digits, a closing 102. Zero is the single byte 128.
#pragma once

#include "platform/oci_sqlite/Value.h"
#include "platform/oci_sqlite/sql/Decimal.h"

#include <optional>

namespace ocisqlite {

inline constexpr int kOciNumberSize = 22;

// Rounds to Oracle's 40 digits; ORA-01426 beyond NUMBER's range.
void ToOciNumber(const orasql::Decimal& value, unsigned char out[kOciNumberSize]);
// Empty when the bytes are no NUMBER.
std::optional<orasql::Decimal> FromOciNumber(const unsigned char in[kOciNumberSize]);

// A number value as the engine carries it (ORA-01722 for a text that is none), and back: an integer
// when whole and within 64 bits, a real up to 15 significant digits, else its exact text, which
// a column keeps exactly.
orasql::Decimal DecimalOf(const Value& value);
Value NumberValue(const orasql::Decimal& number);

} // namespace ocisqlite
