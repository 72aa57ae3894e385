// The translator's one error type: Oracle's code, its full message text and, for parse errors,
// where in the statement parsing stopped.
#include "platform/oci_sqlite/sql/Translator.h"

#include <cstdio>

namespace orasql {

OracleError::OracleError(int code, std::string message, int offset)
    : std::runtime_error(std::move(message)), code_(code), offset_(offset) {}

void ThrowOracleError(int code, std::string_view text, int offset) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "ORA-%05d: ", code);
    throw OracleError(code, prefix + std::string(text), offset);
}

} // namespace orasql
