// The parser's token cursor and error helpers: every syntax error leaves through Fail, with
// Oracle's code and text and the offset of the token that did not fit.
#include "platform/oci_sqlite/sql/ParserCore.h"

#include "platform/oci_sqlite/sql/OracleText.h"

#include <cstdio>
#include <set>

namespace orasql {

ExprPtr MakeExpr(ExprKind kind, std::string text, int offset) {
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    e->text = std::move(text);
    e->offset = offset;
    return e;
}

void ParserCore::NestingGuard::Deepen() {
    constexpr int kMaxDepth = 300;
    if (parser_.depth_ + 1 > kMaxDepth)
        parser_.Fail(36, "maximum number of recursive SQL levels (300) exceeded");
    ++parser_.depth_;
    ++levels_;
}

bool ParserCore::AcceptWord(std::string_view w) {
    if (!PeekWord(w))
        return false;
    Advance();
    return true;
}

bool ParserCore::AcceptSymbol(std::string_view s) {
    if (!PeekSymbol(s))
        return false;
    Advance();
    return true;
}

void ParserCore::ExpectWord(std::string_view w, int code, std::string_view text) {
    if (!AcceptWord(w))
        Fail(code, text);
}

void ParserCore::ExpectSymbol(std::string_view s, int code, std::string_view text) {
    if (!AcceptSymbol(s))
        Fail(code, text);
}

void ParserCore::Fail(int code, std::string_view text) const {
    FailAt(code, text, Peek().offset);
}

void ParserCore::FailAt(int code, std::string_view text, int offset) const {
    ThrowOracleError(code, text, offset);
}

// Words that end a clause and so can never be taken as an alias or a bare name.
bool ParserCore::IsReserved(const Token& t) const {
    static const std::set<std::string, std::less<>> kReserved = {
        "ALL",      "AND",   "AS",        "ASC",    "BETWEEN",  "BY",     "CONNECT",   "CROSS", "DESC",
        "DISTINCT", "ELSE",  "END",       "EXISTS", "FOR",      "FROM",   "FULL",      "GROUP", "HAVING",
        "IN",       "INNER", "INTERSECT", "INTO",   "IS",       "JOIN",   "LEFT",      "LIKE",  "MINUS",
        "NOT",      "NULL",  "NULLS",     "ON",     "OR",       "ORDER",  "RETURNING", "RIGHT", "SELECT",
        "SET",      "START", "THEN",      "UNION",  "USING",    "VALUES", "WHEN",      "WHERE", "WITH",
        "OUTER",    "LOOP",  "ELSIF",     "BEGIN",  "EXCEPTION"};
    return t.kind == TokenKind::Identifier && kReserved.count(t.text) > 0;
}

bool ParserCore::PeekName() const {
    const Token& t = Peek();
    return t.kind == TokenKind::QuotedIdentifier || (t.kind == TokenKind::Identifier && !IsReserved(t));
}

std::string ParserCore::ExpectName(int code, std::string_view text) {
    if (!PeekName())
        Fail(code, text);
    return Advance().text;
}

// Passwords keep the case they were typed in, quoted or not: logons compare them case-sensitively.
std::string ParserCore::ExpectPassword() {
    if (!PeekName())
        Fail(988, "missing or invalid password(s)");
    const Token& t = Advance();
    if (t.kind != TokenKind::Identifier)
        return t.text;
    return std::string(sql_.substr(t.offset, t.text.size()));
}

void ParserCore::ExpectEnd() {
    AcceptSymbol(";");
    if (!AtEnd())
        Fail(933, "SQL command not properly ended");
}

// Oracle names an expression by its text in upper case; only a quoted name inside keeps its case.
std::string ParserCore::SourceBetween(size_t firstToken, size_t endToken) const {
    std::string out;
    for (size_t i = firstToken; i < endToken && i < tokens_.size(); ++i) {
        const Token& t = tokens_[i];
        if (t.kind == TokenKind::String)
            out += "'" + ChangeCase(t.text, true) + "'";
        else if (t.kind == TokenKind::QuotedIdentifier)
            out += "\"" + t.text + "\"";
        else if (t.kind == TokenKind::Bind)
            out += ":" + t.text;
        else
            out += t.text;
    }
    return out;
}

} // namespace orasql
