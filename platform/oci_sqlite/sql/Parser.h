// The recursive-descent parser of the Oracle dialect: SQL statements, CREATE PROCEDURE and
// anonymous blocks become a syntax tree. Errors are Oracle's parse errors with the offset of the
// offending token.
#pragma once

#include "platform/oci_sqlite/sql/Ast.h"

#include <string_view>

namespace orasql {

Statement ParseStatement(std::string_view sql);

// Dumps a tree in a compact prefix form, for tests and diagnostics.
std::string Dump(const Expr& e);
std::string Dump(const Query& q);

} // namespace orasql
