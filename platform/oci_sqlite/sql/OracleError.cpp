// The translator's one error type: Oracle's code, its full message text and, for parse errors,
// where in the statement parsing stopped.
#include "platform/oci_sqlite/sql/Translator.h"

namespace orasql {

OracleError::OracleError(int code, std::string message, int offset)
    : std::runtime_error(std::move(message)), code_(code), offset_(offset) {}

} // namespace orasql
