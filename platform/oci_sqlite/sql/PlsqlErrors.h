// How PL/SQL reports its errors: compilation errors as ORA-06550 with line and column, run-time
// errors with the ORA-06512 lines of the calls they passed through.
#pragma once

#include "platform/oci_sqlite/sql/Tokenizer.h"
#include "platform/oci_sqlite/sql/Translator.h"

#include <string>
#include <string_view>
#include <vector>

namespace orasql {

std::pair<int, int> LineAndColumn(std::string_view text, int offset);

// A syntax error of a block or procedure text, as PLS-00103 inside ORA-06550.
OracleError CompileError(const OracleError& parseError, std::string_view text,
                         const std::vector<Token>& tokens);
// A name that does not resolve (PLS-00201) or a call that does not fit (PLS-00306), at line/column.
OracleError SemanticError(int line, int column, const std::string& plsMessage);

// A run-time error on its way out of nested calls: the first line and the ORA-06512 trail.
struct PlsqlRuntimeError {
    int code;
    std::string message;
    std::vector<std::string> trail;

    OracleError ToOracleError() const;
};

} // namespace orasql
