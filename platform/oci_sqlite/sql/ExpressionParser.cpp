// Expressions of the dialect, by precedence: OR, AND, NOT, comparisons (with IN, LIKE, BETWEEN,
// IS NULL), additive and concatenation, multiplicative, unary, primaries. Oracle's outer-join mark
// (+) is kept on the column it follows.
#include "platform/oci_sqlite/sql/ParserCore.h"

namespace orasql {
namespace {

// The tested operand comes first in an IN expression's arguments, then the list.
constexpr std::size_t MaxInListExpressions = 1000;

ExprPtr MakeBinary(std::string op, ExprPtr left, ExprPtr right) {
    auto e = MakeExpr(ExprKind::Binary, std::move(op), left->offset);
    e->args.push_back(std::move(left));
    e->args.push_back(std::move(right));
    return e;
}

bool IsComparison(const Token& t) {
    static constexpr std::string_view kOps[] = {"=", "<>", "!=", "^=", "<", ">", "<=", ">="};
    if (t.kind != TokenKind::Symbol)
        return false;
    for (std::string_view op : kOps)
        if (t.text == op)
            return true;
    return false;
}

} // namespace

ExprPtr ParserCore::ParseExpr() {
    NestingGuard guard(*this, 1);
    const size_t first = Position();
    ExprPtr e = ParseOr();
    e->sourceText = SourceBetween(first, Position());
    return e;
}

ExprPtr ParserCore::ParseOr() {
    NestingGuard chain(*this, 0);
    ExprPtr left = ParseAnd();
    while (AcceptWord("OR")) {
        chain.Deepen();
        left = MakeBinary("OR", std::move(left), ParseAnd());
    }
    return left;
}

ExprPtr ParserCore::ParseAnd() {
    NestingGuard chain(*this, 0);
    ExprPtr left = ParseNot();
    while (AcceptWord("AND")) {
        chain.Deepen();
        left = MakeBinary("AND", std::move(left), ParseNot());
    }
    return left;
}

ExprPtr ParserCore::ParseNot() {
    if (PeekWord("NOT") && !PeekWord("EXISTS", 1)) {
        NestingGuard guard(*this, 1);
        const int offset = Advance().offset;
        auto e = MakeExpr(ExprKind::Unary, "NOT", offset);
        e->args.push_back(ParseNot());
        return e;
    }
    return ParseComparison();
}

ExprPtr ParserCore::ParseComparison() {
    NestingGuard chain(*this, 0);
    ExprPtr left = ParseAdditive();
    for (;; chain.Deepen()) {
        if (IsComparison(Peek())) {
            std::string op = Advance().text;
            if (op == "!=" || op == "^=")
                op = "<>";
            left = MakeBinary(op, std::move(left), ParseAdditive());
            continue;
        }
        if (PeekWord("IS")) {
            Advance();
            auto e = MakeExpr(ExprKind::IsNull, "", left->offset);
            e->negated = AcceptWord("NOT");
            ExpectWord("NULL", 908, "missing NULL keyword");
            e->args.push_back(std::move(left));
            left = std::move(e);
            continue;
        }
        const bool negated =
            PeekWord("NOT") && (PeekWord("IN", 1) || PeekWord("LIKE", 1) || PeekWord("BETWEEN", 1));
        if (negated)
            Advance();
        if (AcceptWord("IN")) {
            auto e = MakeExpr(ExprKind::In, "", left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            ExpectSymbol("(", 906, "missing left parenthesis");
            if (PeekWord("SELECT") || PeekWord("WITH")) {
                e->subquery = ParseQuery();
            } else {
                do {
                    // Oracle refuses a list longer than 1,000 expressions; so does the engine, so
                    // that no statement works here that the server would refuse.
                    if (e->args.size() > MaxInListExpressions)
                        Fail(1795, "maximum number of expressions in a list is 1000");
                    e->args.push_back(ParseExpr());
                } while (AcceptSymbol(","));
            }
            ExpectSymbol(")", 907, "missing right parenthesis");
            left = std::move(e);
        } else if (AcceptWord("LIKE")) {
            auto e = MakeExpr(ExprKind::Like, "", left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            e->args.push_back(ParseAdditive());
            if (AcceptWord("ESCAPE"))
                e->args.push_back(ParseAdditive());
            left = std::move(e);
        } else if (AcceptWord("BETWEEN")) {
            auto e = MakeExpr(ExprKind::Between, "", left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            e->args.push_back(ParseAdditive());
            ExpectWord("AND", 905, "missing keyword");
            e->args.push_back(ParseAdditive());
            left = std::move(e);
        } else {
            return left;
        }
    }
}

ExprPtr ParserCore::ParseAdditive() {
    // A sum or concatenation is emitted flat, so it costs depth only for its length's sake.
    constexpr int kTermsPerLevel = 8;
    NestingGuard chain(*this, 0);
    ExprPtr left = ParseMultiplicative();
    for (int terms = 1; PeekSymbol("+") || PeekSymbol("-") || PeekSymbol("||"); ++terms) {
        if (terms % kTermsPerLevel == 0)
            chain.Deepen();
        std::string op = Advance().text;
        left = MakeBinary(op, std::move(left), ParseMultiplicative());
    }
    return left;
}

ExprPtr ParserCore::ParseMultiplicative() {
    NestingGuard chain(*this, 0);
    ExprPtr left = ParseUnary();
    while (PeekSymbol("*") || PeekSymbol("/")) {
        chain.Deepen();
        std::string op = Advance().text;
        left = MakeBinary(op, std::move(left), ParseUnary());
    }
    return left;
}

ExprPtr ParserCore::ParseUnary() {
    if (PeekSymbol("-") || PeekSymbol("+")) {
        NestingGuard guard(*this, 1);
        const Token& t = Advance();
        auto e = MakeExpr(ExprKind::Unary, t.text, t.offset);
        e->args.push_back(ParseUnary());
        return e;
    }
    return ParsePrimary();
}

ExprPtr ParserCore::ParsePrimary() {
    const Token& t = Peek();
    switch (t.kind) {
    case TokenKind::Number:
        Advance();
        return MakeExpr(ExprKind::Number, t.text, t.offset);
    case TokenKind::String:
        Advance();
        // Oracle's empty string is NULL; deciding it here keeps every later stage honest.
        return t.text.empty() ? MakeExpr(ExprKind::Null, "", t.offset)
                              : MakeExpr(ExprKind::String, t.text, t.offset);
    case TokenKind::Bind:
        Advance();
        return MakeExpr(ExprKind::Bind, t.text, t.offset);
    case TokenKind::Symbol:
        if (t.text == "(")
            return ParseParenthesised(Advance().offset);
        if (t.text == "*") {
            Advance();
            return MakeExpr(ExprKind::Star, "", t.offset);
        }
        Fail(936, "missing expression");
    case TokenKind::End:
        Fail(936, "missing expression");
    default:
        break;
    }
    if (t.IsWord("NULL")) {
        Advance();
        return MakeExpr(ExprKind::Null, "", t.offset);
    }
    if (t.IsWord("CASE"))
        return ParseCase(Advance().offset);
    if (t.IsWord("EXISTS") || (t.IsWord("NOT") && PeekWord("EXISTS", 1))) {
        auto e = MakeExpr(ExprKind::Exists, "", t.offset);
        e->negated = AcceptWord("NOT");
        Advance();
        ExpectSymbol("(", 906, "missing left parenthesis");
        e->subquery = ParseQuery();
        ExpectSymbol(")", 907, "missing right parenthesis");
        return e;
    }
    if (!PeekName())
        Fail(936, "missing expression");
    return ParseNameChain(t.offset);
}

ExprPtr ParserCore::ParseParenthesised(int offset) {
    if (PeekWord("SELECT") || PeekWord("WITH")) {
        auto e = MakeExpr(ExprKind::Subquery, "", offset);
        e->subquery = ParseQuery();
        ExpectSymbol(")", 907, "missing right parenthesis");
        return e;
    }
    ExprPtr inner = ParseExpr();
    ExpectSymbol(")", 907, "missing right parenthesis");
    return inner;
}

ExprPtr ParserCore::ParseCase(int offset) {
    auto e = MakeExpr(ExprKind::Case, "", offset);
    if (!PeekWord("WHEN")) {
        e->hasOperand = true;
        e->args.push_back(ParseExpr());
    }
    if (!PeekWord("WHEN"))
        Fail(905, "missing keyword");
    while (AcceptWord("WHEN")) {
        e->args.push_back(ParseExpr());
        ExpectWord("THEN", 905, "missing keyword");
        e->args.push_back(ParseExpr());
    }
    if (AcceptWord("ELSE")) {
        e->hasElse = true;
        e->args.push_back(ParseExpr());
    }
    ExpectWord("END", 905, "missing keyword");
    return e;
}

// name, name(args), a.b, a.b.c, a.*, seq.NEXTVAL, column (+)
ExprPtr ParserCore::ParseNameChain(int offset) {
    std::vector<std::string> parts{Advance().text};
    while (PeekSymbol(".")) {
        Advance();
        if (PeekSymbol("*")) {
            Advance();
            auto e = MakeExpr(ExprKind::Star, "", offset);
            e->qualifier = parts.back();
            return e;
        }
        if (Peek().kind != TokenKind::Identifier && Peek().kind != TokenKind::QuotedIdentifier)
            Fail(904, "invalid identifier");
        parts.push_back(Advance().text);
    }
    if (PeekSymbol("(") && !(PeekSymbol("+", 1) && PeekSymbol(")", 2)))
        return ParseFunctionCall(parts.back(), offset);
    if (parts.size() == 2 && (parts[1] == "NEXTVAL" || parts[1] == "CURRVAL")) {
        auto e = MakeExpr(ExprKind::Sequence, parts[0], offset);
        e->qualifier = parts[1];
        return e;
    }
    if (parts.size() == 1 && (parts[0] == "SYSDATE" || parts[0] == "USER"))
        return MakeExpr(ExprKind::Function, parts[0], offset);
    auto e = MakeExpr(ExprKind::Column, parts.back(), offset);
    if (parts.size() >= 2)
        e->qualifier = parts[parts.size() - 2]; // a schema prefix carries no meaning in one-file databases
    if (PeekSymbol("(") && PeekSymbol("+", 1) && PeekSymbol(")", 2)) {
        pos_ += 3;
        e->outerJoin = true;
    }
    return e;
}

ExprPtr ParserCore::ParseFunctionCall(std::string name, int offset) {
    Advance(); // (
    auto e = MakeExpr(ExprKind::Function, std::move(name), offset);
    if (e->text == "TRIM") {
        ParseTrimArguments(*e);
    } else if (e->text == "EXTRACT") {
        ParseExtractArguments(*e);
    } else if (e->text == "CAST") {
        ParseCastArguments(*e);
    } else if (!AcceptSymbol(")")) {
        if (AcceptWord("DISTINCT"))
            e->distinct = true;
        else
            AcceptWord("ALL");
        if (PeekSymbol("*") && PeekSymbol(")", 1)) {
            Advance();
            e->star = true;
        } else {
            do
                e->args.push_back(ParseExpr());
            while (AcceptSymbol(","));
        }
        ExpectSymbol(")", 907, "missing right parenthesis");
    }
    if (PeekWord("OVER") && PeekSymbol("(", 1))
        e->over = ParseWindow();
    return e;
}

// CAST(value AS type): the value is the argument, the type's name the qualifier, and its length or
// precision and scale follow as number arguments.
void ParserCore::ParseCastArguments(Expr& cast) {
    cast.args.push_back(ParseExpr());
    ExpectWord("AS", 905, "missing keyword");
    const Token& type = Advance();
    if (type.kind != TokenKind::Identifier)
        Fail(902, "invalid datatype");
    cast.qualifier = type.text;
    if (AcceptSymbol("(")) {
        do {
            if (Peek().kind != TokenKind::Number)
                Fail(902, "invalid datatype");
            cast.args.push_back(ParseExpr());
        } while (AcceptSymbol(","));
        if (!AcceptWord("CHAR"))
            AcceptWord("BYTE");
        ExpectSymbol(")", 907, "missing right parenthesis");
    }
    ExpectSymbol(")", 907, "missing right parenthesis");
}

// TRIM([[LEADING | TRAILING | BOTH] [char] FROM] source): args are the source, then the char.
void ParserCore::ParseTrimArguments(Expr& trim) {
    for (const char* mode : {"LEADING", "TRAILING", "BOTH"})
        if (AcceptWord(mode))
            trim.qualifier = mode;
    ExprPtr first;
    if (!PeekWord("FROM"))
        first = ParseExpr();
    if (AcceptWord("FROM")) {
        trim.args.push_back(ParseExpr());
        if (first)
            trim.args.push_back(std::move(first));
    } else if (first && trim.qualifier.empty()) {
        trim.args.push_back(std::move(first));
    } else {
        Fail(905, "missing keyword");
    }
    ExpectSymbol(")", 907, "missing right parenthesis");
}

// EXTRACT(field FROM source)
void ParserCore::ParseExtractArguments(Expr& extract) {
    for (const char* field : {"YEAR", "MONTH", "DAY", "HOUR", "MINUTE", "SECOND"})
        if (AcceptWord(field))
            extract.qualifier = field;
    if (extract.qualifier.empty())
        Fail(905, "missing keyword");
    ExpectWord("FROM", 905, "missing keyword");
    extract.args.push_back(ParseExpr());
    ExpectSymbol(")", 907, "missing right parenthesis");
}

// OVER ([PARTITION BY expr, ...] [ORDER BY items [ROWS | RANGE frame]])
std::unique_ptr<Window> ParserCore::ParseWindow() {
    Advance(); // OVER
    Advance(); // (
    auto window = std::make_unique<Window>();
    if (AcceptWord("PARTITION")) {
        ExpectWord("BY", 924, "missing BY keyword");
        do
            window->partitionBy.push_back(ParseExpr());
        while (AcceptSymbol(","));
    }
    if (AcceptWord("ORDER")) {
        ExpectWord("BY", 924, "missing BY keyword");
        window->orderBy = ParseOrderItems();
        if (PeekWord("ROWS") || PeekWord("RANGE")) {
            window->frame = Advance().text;
            if (AcceptWord("BETWEEN")) {
                window->frame += " BETWEEN " + ParseFrameBound();
                ExpectWord("AND", 905, "missing keyword");
                window->frame += " AND " + ParseFrameBound();
            } else {
                window->frame += " " + ParseFrameBound();
            }
        }
    }
    ExpectSymbol(")", 907, "missing right parenthesis");
    return window;
}

// UNBOUNDED PRECEDING | UNBOUNDED FOLLOWING | CURRENT ROW | n PRECEDING | n FOLLOWING
std::string ParserCore::ParseFrameBound() {
    std::string bound;
    if (AcceptWord("CURRENT")) {
        ExpectWord("ROW", 905, "missing keyword");
        return "CURRENT ROW";
    }
    if (AcceptWord("UNBOUNDED"))
        bound = "UNBOUNDED";
    else if (Peek().kind == TokenKind::Number)
        bound = Advance().text;
    else
        Fail(905, "missing keyword");
    if (AcceptWord("PRECEDING"))
        return bound + " PRECEDING";
    ExpectWord("FOLLOWING", 905, "missing keyword");
    return bound + " FOLLOWING";
}

} // namespace orasql
