// PL/SQL's error texts, written once: compilation errors with line and column, the ORA-06512
// trail of run-time errors.
#include "platform/oci_sqlite/sql/PlsqlErrors.h"

namespace orasql {

std::pair<int, int> LineAndColumn(std::string_view text, int offset) {
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < static_cast<int>(text.size()); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

OracleError CompileError(const OracleError& parseError, std::string_view text,
                         const std::vector<Token>& tokens) {
    const int offset = parseError.offset() < 0 ? 0 : parseError.offset();
    std::string symbol = "end-of-file";
    for (const Token& t : tokens)
        if (t.offset == offset && t.kind != TokenKind::End)
            symbol = t.kind == TokenKind::String ? "'" + t.text + "'" : t.text;
    const auto [line, column] = LineAndColumn(text, offset);
    const std::string where =
        "ORA-06550: line " + std::to_string(line) + ", column " + std::to_string(column) + ":\n";
    return OracleError(
        6550, where + "PLS-00103: Encountered the symbol \"" + symbol + "\" (" + parseError.what() + ")",
        offset);
}

OracleError SemanticError(int line, int column, const std::string& plsMessage) {
    const std::string where =
        "ORA-06550: line " + std::to_string(line) + ", column " + std::to_string(column) + ":\n";
    return OracleError(6550, where + plsMessage + "\n" + where + "PL/SQL: Statement ignored");
}

OracleError PlsqlRuntimeError::ToOracleError() const {
    std::string text = message;
    for (const std::string& line : trail)
        text += "\n" + line;
    return OracleError(code, text);
}

} // namespace orasql
