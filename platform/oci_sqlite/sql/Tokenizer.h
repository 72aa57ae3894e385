// Cuts an Oracle SQL or PL/SQL text into tokens with their offsets, the first stage of the
// translator. Keywords are not told apart from identifiers here: the parser decides by context,
// since Oracle lets most keywords serve as column names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orasql {

enum class TokenKind { Identifier, QuotedIdentifier, Number, String, Bind, Symbol, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text; // identifiers and binds upper case; strings unquoted; symbols as written
    int offset = 0;   // 0-based offset in the statement text

    bool Is(TokenKind k, std::string_view t) const { return kind == k && text == t; }
    bool IsWord(std::string_view word) const { return kind == TokenKind::Identifier && text == word; }
    bool IsSymbol(std::string_view symbol) const { return Is(TokenKind::Symbol, symbol); }
};

// Throws OracleError for an unterminated string or quoted name, or a character Oracle rejects.
std::vector<Token> Tokenize(std::string_view sql);

} // namespace orasql
