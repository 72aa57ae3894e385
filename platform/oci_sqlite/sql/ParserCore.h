// The parser's shared machinery, private to the translator: the token cursor, the expectation
// helpers that raise Oracle's parse errors, and the grammar entry points of each parser file.
#pragma once

#include "platform/oci_sqlite/sql/Ast.h"
#include "platform/oci_sqlite/sql/Tokenizer.h"

#include <string_view>

namespace orasql {

class ParserCore {
public:
    ParserCore(std::string_view sql, std::vector<Token> tokens) : sql_(sql), tokens_(std::move(tokens)) {}

    // Statements (StatementParser.cpp)
    Statement ParseTopLevel();
    QueryPtr ParseQuery();
    Statement ParseLockTable();
    //! The n of WAIT n, in seconds.
    int ParseWaitSeconds();
    InsertStmt ParseInsert();
    UpdateStmt ParseUpdate();
    // RETURNING ROWID INTO :bind after an INSERT or UPDATE: the bind's name, empty without one.
    std::string ParseReturningRowid();
    DeleteStmt ParseDelete();

    // Expressions (ExpressionParser.cpp)
    ExprPtr ParseExpr();

    // Schema statements (DdlParser.cpp)
    Statement ParseCreate();
    Statement ParseDrop();
    Statement ParseAlter();
    Statement ParseGrant(); // GRANT and REVOKE of object privileges

    // Procedure language (PlsqlParser.cpp)
    ProcedurePtr ParseProcedure();
    std::shared_ptr<const Block> ParseAnonymousBlock();

    // Cursor
    const Token& Peek(size_t ahead = 0) const {
        size_t i = pos_ + ahead;
        return tokens_[i < tokens_.size() ? i : tokens_.size() - 1];
    }
    const Token& Advance() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
    bool AtEnd() const { return Peek().kind == TokenKind::End; }
    bool PeekWord(std::string_view w, size_t ahead = 0) const { return Peek(ahead).IsWord(w); }
    bool PeekSymbol(std::string_view s, size_t ahead = 0) const { return Peek(ahead).IsSymbol(s); }
    bool AcceptWord(std::string_view w);
    bool AcceptSymbol(std::string_view s);
    void ExpectWord(std::string_view w, int code, std::string_view text);
    void ExpectSymbol(std::string_view s, int code, std::string_view text);
    [[noreturn]] void Fail(int code, std::string_view text) const;
    [[noreturn]] void FailAt(int code, std::string_view text, int offset) const;
    std::string ExpectName(int code = 904, std::string_view text = "invalid identifier");
    bool PeekName() const;
    std::string ExpectPassword();
    bool IsReserved(const Token& t) const;
    void ExpectEnd();
    std::string SourceBetween(size_t firstToken, size_t endToken) const;
    size_t Position() const { return pos_; }

private:
    ExprPtr ParseOr();
    ExprPtr ParseAnd();
    ExprPtr ParseNot();
    ExprPtr ParseComparison();
    ExprPtr ParseAdditive();
    ExprPtr ParseMultiplicative();
    ExprPtr ParseUnary();
    ExprPtr ParsePrimary();
    ExprPtr ParseCase(int offset);
    ExprPtr ParseFunctionCall(std::string name, int offset);
    void ParseTrimArguments(Expr& trim);
    void ParseExtractArguments(Expr& extract);
    void ParseCastArguments(Expr& cast);
    std::unique_ptr<Window> ParseWindow();
    std::string ParseFrameBound();
    ExprPtr ParseNameChain(int offset);
    ExprPtr ParseParenthesised(int offset);

    SelectCore ParseSelectCore();
    void ParseSelectList(SelectCore& core);
    void ParseFrom(SelectCore& core);
    TableRef ParseTableRef();
    std::string ParseAlias();
    bool PeekAlias() const;
    void ParseWith(Query& q);
    void ParseOrderBy(Query& q);
    std::vector<OrderItem> ParseOrderItems();
    void ParseRowLimit(Query& q);

    PlBody ParsePlBody(std::initializer_list<std::string_view> terminators);
    PlStmt ParsePlStatement();
    PlStmt ParseIf();
    std::vector<Variable> ParseDeclarations();
    Variable ParseVariable(bool parameter);
    std::string ParseTypeName();

    // Bounds the height of the tree, so that neither the parser nor the stages walking the tree can
    // exhaust the stack of the program that embeds the engine, whatever the statement text.
    class NestingGuard {
    public:
        // `levels`: 1 for a construct that nests by itself, 0 for a chain that nests per operator.
        NestingGuard(ParserCore& p, int levels) : parser_(p) {
            for (int i = 0; i < levels; ++i)
                Deepen();
        }
        ~NestingGuard() { parser_.depth_ -= levels_; }
        // Each operator of a chain (a + b + c) nests the tree one level deeper on its left side.
        void Deepen();

    private:
        ParserCore& parser_;
        int levels_ = 0;
    };

    std::string_view sql_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    int depth_ = 0;
};

ExprPtr MakeExpr(ExprKind kind, std::string text, int offset);

} // namespace orasql
