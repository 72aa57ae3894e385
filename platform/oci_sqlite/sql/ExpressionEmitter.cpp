// Expressions to SQLite: names resolved to typed columns, Oracle's implicit conversions made
// explicit where SQLite would differ (dates from texts, CHAR padding, numbers from texts), and
// arithmetic, concatenation and Oracle's functions routed to the registered ora_* functions.
#include "platform/oci_sqlite/sql/Decimal.h"
#include "platform/oci_sqlite/sql/OracleDate.h"
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

#include <algorithm>
#include <cstdio>

namespace orasql {
namespace {

SqlType TypeOf(const ColumnInfo& c) {
    if (c.oracleType == "DATE")
        return SqlType::Date;
    if (c.oracleType == "NUMBER" || c.oracleType == "INTEGER")
        return SqlType::Number;
    return SqlType::Text;
}

const ColumnInfo* FindColumn(const ScopeTable& t, const std::string& name) {
    for (const ColumnInfo& c : t.columns)
        if (c.name == name)
            return &c;
    return nullptr;
}

bool IsAggregateName(const std::string& n) {
    return n == "SUM" || n == "AVG" || n == "COUNT" || n == "MAX" || n == "MIN";
}

} // namespace

bool ContainsAggregate(const Expr& e) {
    if (e.kind == ExprKind::Function && IsAggregateName(e.text) && !e.over)
        return true;
    for (const ExprPtr& a : e.args)
        if (ContainsAggregate(*a))
            return true;
    return false;
}

Emitted SqliteEmitter::Make(std::string sql, SqlType type) {
    Emitted e;
    e.sql = std::move(sql);
    e.type = type;
    return e;
}

// Oracle tells too few arguments (ORA-00938) from too many (ORA-00939) for the functions that take
// a varying number of them; for a function of a fixed count both are ORA-00909.
void SqliteEmitter::RequireArguments(const Expr& call, size_t least, size_t most) {
    const size_t count = call.args.size();
    if (count >= least && count <= most)
        return;
    if (least == most)
        ThrowOracleError(909, "invalid number of arguments", call.offset);
    if (count < least)
        ThrowOracleError(938, "not enough arguments for function", call.offset);
    ThrowOracleError(939, "too many arguments for function", call.offset);
}

SqliteEmitter::SqliteEmitter(const Context& ctx, std::set<std::string> variables)
    : ctx_(ctx), variables_(std::move(variables)) {}

std::string SqliteEmitter::Quote(const std::string& name) {
    std::string out = "\"";
    for (char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string SqliteEmitter::Literal(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

std::string SqliteEmitter::EmitStandalone(const Expr& e) {
    return Expression(e, Scope{}).sql;
}

std::string SqliteEmitter::EmitCondition(const Expr& e) {
    return "CASE WHEN " + Expression(e, Scope{}).sql + " THEN 1 ELSE 0 END";
}

Emitted SqliteEmitter::Expression(const Expr& e, const Scope& scope) {
    switch (e.kind) {
    case ExprKind::Number:
        if (const auto literal = Decimal::Parse(e.text); literal && literal->Overflows())
            ThrowOracleError(1426, "numeric overflow");
        return Make(e.text, SqlType::Number);
    case ExprKind::String: {
        Emitted out = Make(Literal(e.text), SqlType::Text);
        out.literal = true;
        out.value = e.text;
        return out;
    }
    case ExprKind::Null:
        return Make("NULL", SqlType::Unknown);
    case ExprKind::Bind:
        return Make(":" + e.text, SqlType::Unknown);
    case ExprKind::Column:
        return ColumnRef(e, scope);
    case ExprKind::Star:
        return Make(e.qualifier.empty() ? "*" : Quote(e.qualifier) + ".*", SqlType::Unknown);
    case ExprKind::Unary: {
        Emitted operand = Expression(*e.args[0], scope);
        if (e.text == "NOT")
            return Make("NOT (" + operand.sql + ")", SqlType::Number);
        if (e.text == "-")
            return Make("-(" + operand.sql + ")", SqlType::Number);
        return operand;
    }
    case ExprKind::Binary:
        return Binary(e, scope);
    case ExprKind::Function:
        return Function(e, scope);
    case ExprKind::Case:
        return CaseExpr(e, scope);
    case ExprKind::Subquery:
        return ScalarSubquery(e, scope);
    case ExprKind::Exists:
        return Make(std::string(e.negated ? "NOT " : "") + "EXISTS (" + EmitQuery(*e.subquery, &scope) + ")",
                    SqlType::Number);
    case ExprKind::In:
        return In(e, scope);
    case ExprKind::Between: {
        const Emitted x = Expression(*e.args[0], scope);
        const Emitted lo = Expression(*e.args[1], scope), hi = Expression(*e.args[2], scope);
        return Make("(" + x.sql + (e.negated ? " NOT" : "") + " BETWEEN " + Coerced(lo, x) + " AND " +
                        Coerced(hi, x) + ")",
                    SqlType::Number);
    }
    case ExprKind::Like: {
        std::string sql = "(" + Expression(*e.args[0], scope).sql + (e.negated ? " NOT" : "") + " LIKE " +
                          Expression(*e.args[1], scope).sql;
        if (e.args.size() > 2)
            sql += " ESCAPE " + Expression(*e.args[2], scope).sql;
        return Make(sql + ")", SqlType::Number);
    }
    case ExprKind::IsNull:
        return Make("(" + Expression(*e.args[0], scope).sql + (e.negated ? " IS NOT NULL)" : " IS NULL)"),
                    SqlType::Number);
    case ExprKind::Sequence:
        if (ctx_.catalog && !ctx_.catalog->SequenceExists(e.text))
            ThrowOracleError(2289, "sequence does not exist", e.offset);
        return Make(std::string(e.qualifier == "NEXTVAL" ? kNextvalFunction : kCurrvalFunction) + "(" +
                        Literal(e.text) + ")",
                    SqlType::Number);
    }
    ThrowOracleError(936, "missing expression", e.offset);
}

Emitted SqliteEmitter::ColumnRef(const Expr& e, const Scope& scope) {
    if (e.text == "ROWNUM" && e.qualifier.empty()) // numbers the rows in the order they are read
        return Make("row_number() OVER ()", SqlType::Number);
    const bool rowid = e.text == "ROWID";
    bool qualifierSeen = false;
    for (const Scope* s = &scope; s; s = s->parent) {
        const ScopeTable* match = nullptr;
        for (const ScopeTable& t : s->tables) {
            if (!e.qualifier.empty() && t.key != e.qualifier && t.table != e.qualifier)
                continue;
            if (!e.qualifier.empty()) {
                qualifierSeen = true;
                match = &t;
                break;
            }
            if ((rowid && s->tables.size() == 1) || FindColumn(t, e.text)) {
                if (match)
                    ThrowOracleError(918, "column ambiguously defined", e.offset);
                match = &t;
            }
        }
        if (!match)
            continue;
        const std::string prefix = e.qualifier.empty() ? "" : Quote(match->key) + ".";
        if (rowid) {
            Emitted out = Make(Quote(match->key) + ".rowid", SqlType::Rowid);
            out.value = match->table;
            return out;
        }
        const ColumnInfo* column = FindColumn(*match, e.text);
        if (!column && match->known)
            ThrowOracleError(904, "\"" + e.qualifier + "\".\"" + e.text + "\": invalid identifier", e.offset);
        Emitted out = Make(prefix + Quote(e.text), column ? TypeOf(*column) : SqlType::Unknown);
        if (column)
            out.column = *column;
        return out;
    }
    if (e.qualifier.empty() && variables_.count(e.text))
        return Make(VariableBind(e.text), SqlType::Unknown);
    if (ctx_.catalog && !qualifierSeen) {
        bool allKnown = true;
        for (const Scope* s = &scope; s; s = s->parent)
            for (const ScopeTable& t : s->tables)
                allKnown = allKnown && t.known;
        if (allKnown)
            ThrowOracleError(904,
                             (e.qualifier.empty() ? "" : "\"" + e.qualifier + "\".") + "\"" + e.text +
                                 "\": invalid identifier",
                             e.offset);
    }
    return Make((e.qualifier.empty() ? "" : Quote(e.qualifier) + ".") + Quote(e.text), SqlType::Unknown);
}

std::string SqliteEmitter::AsDate(const Emitted& e) {
    if (e.type == SqlType::Date || e.sql == "NULL")
        return e.sql;
    if (e.literal) // a bad date text fails here, before anything runs
        return Literal(ToStoredText(ReadSessionDate(e.value, ctx_.nlsDateFormat)));
    return "ora_date_in(" + e.sql + ", " + Literal(ctx_.nlsDateFormat) + ")";
}

std::string SqliteEmitter::AsText(const Emitted& e) {
    if (e.type == SqlType::Date)
        return "ora_to_char(" + e.sql + ", NULL, " + Literal(ctx_.nlsDateFormat) + ")";
    return e.sql;
}

std::string SqliteEmitter::Coerced(const Emitted& other, const Emitted& target) {
    if (other.sql == "NULL")
        return other.sql;
    switch (target.type) {
    case SqlType::Date:
        return AsDate(other);
    case SqlType::Rowid:
        return std::string(kRowidDecodeFunction) + "(" + other.sql + ")";
    case SqlType::Number:
        if (other.literal) {
            if (auto d = Decimal::Parse(other.value))
                return d->ToOracleText();
            return "ora_to_number(" + other.sql + ")";
        }
        if (other.type == SqlType::Text)
            return "ora_to_number(" + other.sql + ")";
        return other.sql;
    default:
        break;
    }
    if (target.column && target.column->oracleType == "CHAR" && other.literal &&
        other.value.size() < static_cast<size_t>(target.column->length))
        return Literal(other.value + std::string(target.column->length - other.value.size(), ' '));
    return other.sql;
}

Emitted SqliteEmitter::Comparison(const std::string& op, const Emitted& l, const Emitted& r) {
    auto weight = [](const Emitted& e) {
        if (e.type == SqlType::Rowid)
            return 4;
        if (e.type == SqlType::Date)
            return 3;
        if (e.type == SqlType::Number && !e.literal)
            return 2;
        return e.column ? 1 : 0;
    };
    // The side with the stronger type decides how the other is read.
    const bool leftLeads = weight(l) >= weight(r);
    const std::string ls = leftLeads ? l.sql : Coerced(l, r);
    const std::string rs = leftLeads ? Coerced(r, l) : r.sql;
    return Make("(" + ls + " " + op + " " + rs + ")", SqlType::Number);
}

namespace {

// SQLite takes at most 127 arguments a call and parses calls nested some 30 deep, so a long sum or
// concatenation goes into calls of this many terms.
constexpr size_t kMaxCallTerms = 100;

// f(a, b, ..., z) for any number of terms, as f(f(a, ...), f(...), ...) when they are many: for
// functions where grouping does not change the result.
std::string GroupedCall(const std::string& function, std::vector<std::string> terms) {
    do {
        std::vector<std::string> calls;
        for (size_t i = 0; i < terms.size(); i += kMaxCallTerms) {
            std::string call = function + "(";
            for (size_t j = i; j < std::min(terms.size(), i + kMaxCallTerms); ++j)
                call += (j > i ? ", " : "") + terms[j];
            calls.push_back(call + ")");
        }
        terms = std::move(calls);
    } while (terms.size() > 1);
    return terms.front();
}

SqlType AdditiveType(const std::string& op, SqlType l, SqlType r) {
    if (l == SqlType::Unknown && r == SqlType::Unknown)
        return SqlType::Unknown; // binds: the values decide at run time
    if (op == "+" && (l == SqlType::Date || r == SqlType::Date))
        return SqlType::Date;
    if (op == "-" && l == SqlType::Date && r != SqlType::Date)
        return SqlType::Date;
    return SqlType::Number;
}

} // namespace

Emitted SqliteEmitter::Arithmetic(const std::string& op, const Emitted& l, const Emitted& r) {
    return Make(std::string(op == "*" ? "ora_mul(" : "ora_div(") + l.sql + ", " + r.sql + ")",
                SqlType::Number);
}

// a + b - c + ... is a left-deep tree. Each run of one operator becomes one call of the left-folding
// ora_add or ora_sub (a new call every kMaxCallTerms terms), so a sum nests only as deep as its runs.
Emitted SqliteEmitter::AdditiveChain(const Expr& e, const Scope& scope) {
    std::vector<const Expr*> terms;
    std::vector<std::string> ops;
    const Expr* x = &e;
    for (; x->kind == ExprKind::Binary && (x->text == "+" || x->text == "-"); x = x->args[0].get()) {
        ops.push_back(x->text);
        terms.push_back(x->args[1].get());
    }
    terms.push_back(x);
    std::reverse(terms.begin(), terms.end());
    std::reverse(ops.begin(), ops.end());
    Emitted result = Expression(*terms[0], scope);
    for (size_t i = 0; i < ops.size();) {
        const std::string op = ops[i];
        std::string sql = std::string(op == "+" ? "ora_add(" : "ora_sub(") + result.sql;
        SqlType type = result.type;
        for (size_t n = 1; i < ops.size() && ops[i] == op && n < kMaxCallTerms; ++i, ++n) {
            Emitted r = Expression(*terms[i + 1], scope);
            if (op == "-" && type == SqlType::Date && r.literal)
                r = Make(AsDate(r), SqlType::Date);
            type = AdditiveType(op, type, r.type);
            sql += ", " + r.sql;
        }
        result = Make(sql + ")", type);
    }
    return result;
}

Emitted SqliteEmitter::Binary(const Expr& e, const Scope& scope) {
    const std::string& op = e.text;
    if (op == "AND" || op == "OR")
        return Make("(" + Expression(*e.args[0], scope).sql + " " + op + " " +
                        Expression(*e.args[1], scope).sql + ")",
                    SqlType::Number);
    if (op == "+" || op == "-")
        return AdditiveChain(e, scope);
    if (op == "||") {
        std::vector<const Expr*> parts;
        std::function<void(const Expr&)> flatten = [&](const Expr& x) {
            if (x.kind == ExprKind::Binary && x.text == "||") {
                flatten(*x.args[0]);
                flatten(*x.args[1]);
            } else {
                parts.push_back(&x);
            }
        };
        flatten(e);
        std::vector<std::string> texts;
        for (const Expr* part : parts)
            texts.push_back(AsText(Expression(*part, scope)));
        return Make(GroupedCall("ora_concat", std::move(texts)), SqlType::Text);
    }
    const Emitted l = Expression(*e.args[0], scope), r = Expression(*e.args[1], scope);
    if (op == "*" || op == "/")
        return Arithmetic(op, l, r);
    return Comparison(op, l, r);
}

std::string SqliteEmitter::Args(const Expr& e, const Scope& scope, size_t from) {
    std::string out;
    for (size_t i = from; i < e.args.size(); ++i)
        out += (i > from ? ", " : "") + Expression(*e.args[i], scope).sql;
    return out;
}

namespace {

// Functions that map one to one onto a registered or built-in function.
struct PlainFunction {
    const char* oracle;
    const char* sqlite;
    size_t minArgs, maxArgs;
    SqlType result; // Unknown: the type of the first argument
};

constexpr PlainFunction kPlainFunctions[] = {
    {"INSTR", "ora_instr", 2, 4, SqlType::Number},
    {"SUBSTR", "ora_substr", 2, 3, SqlType::Text},
    {"UPPER", "ora_upper", 1, 1, SqlType::Text},
    {"LOWER", "ora_lower", 1, 1, SqlType::Text},
    {"ABS", "abs", 1, 1, SqlType::Number},
    {"MOD", "ora_mod", 2, 2, SqlType::Number},
    {"TO_NUMBER", "ora_to_number", 1, 3, SqlType::Number},
    {"SUM", "ora_sum", 1, 1, SqlType::Number},
    {"AVG", "ora_avg", 1, 1, SqlType::Number},
    {"MAX", "max", 1, 1, SqlType::Unknown},
    {"MIN", "min", 1, 1, SqlType::Unknown},
    {"LTRIM", "ltrim", 1, 2, SqlType::Text},
    {"RTRIM", "rtrim", 1, 2, SqlType::Text},
    {"ROUND", "ora_round", 1, 2, SqlType::Unknown},
    {"TRUNC", "ora_trunc", 1, 2, SqlType::Unknown},
    {"LPAD", "ora_lpad", 2, 3, SqlType::Text},
    {"RPAD", "ora_rpad", 2, 3, SqlType::Text},
    {"TRANSLATE", "ora_translate", 3, 3, SqlType::Text},
    {"INITCAP", "ora_initcap", 1, 1, SqlType::Text},
    {"SIGN", "ora_sign", 1, 1, SqlType::Number},
    {"CEIL", "ora_ceil", 1, 1, SqlType::Number},
    {"FLOOR", "ora_floor", 1, 1, SqlType::Number},
    {"POWER", "ora_power", 2, 2, SqlType::Number},
    {"SQRT", "ora_sqrt", 1, 1, SqlType::Number},
};

// Functions whose own registered version already gives NULL for an empty result.
bool GivesOracleNull(const std::string& sqliteName) {
    return sqliteName.rfind("ora_", 0) == 0;
}

const PlainFunction* FindPlain(const std::string& name) {
    for (const PlainFunction& f : kPlainFunctions)
        if (name == f.oracle)
            return &f;
    return nullptr;
}

} // namespace

Emitted SqliteEmitter::Function(const Expr& e, const Scope& scope) {
    const std::string& n = e.text;
    const size_t argc = e.args.size();
    auto arity = [&](size_t lo, size_t hi) { RequireArguments(e, lo, hi); };
    auto arg = [&](size_t i) { return Expression(*e.args[i], scope); };
    if (n == "SYSDATE")
        return Make("ora_sysdate()", SqlType::Date);
    if (n == "USER")
        return Make(Literal(ctx_.user), SqlType::Text);
    if (e.over)
        return Analytic(e, scope);
    if (n == "COUNT")
        return Make(std::string("count(") + (e.distinct ? "DISTINCT " : "") +
                        (e.star ? "*" : Args(e, scope)) + ")",
                    SqlType::Number);
    if (const PlainFunction* f = FindPlain(n)) {
        arity(f->minArgs, f->maxArgs);
        // The first argument is emitted once for its text and type: twice per level would make
        // nested calls cost 2^depth.
        const Emitted first = argc > 0 ? arg(0) : Emitted{};
        const std::string args = argc > 0 ? first.sql + (argc > 1 ? ", " + Args(e, scope, 1) : "") : "";
        std::string sql = std::string(f->sqlite) + "(" + (e.distinct ? "DISTINCT " : "") + args + ")";
        if (f->result == SqlType::Text && !GivesOracleNull(f->sqlite))
            sql = "nullif(" + sql + ", '')"; // SQLite's own string functions may give '', Oracle's give NULL
        SqlType type = f->result;
        if (type == SqlType::Unknown)
            type = first.type == SqlType::Date    ? SqlType::Date
                   : n == "ROUND" || n == "TRUNC" ? SqlType::Number
                                                  : first.type;
        return Make(sql, type);
    }
    if (n == "NVL") {
        arity(2, 2);
        const Emitted a = arg(0), b = arg(1);
        return Make("coalesce(" + a.sql + ", " + Coerced(b, a) + ")",
                    a.type != SqlType::Unknown ? a.type : b.type);
    }
    if (n == "NVL2") {
        arity(3, 3);
        const Emitted b = arg(1);
        return Make("CASE WHEN " + arg(0).sql + " IS NOT NULL THEN " + b.sql + " ELSE " + arg(2).sql + " END",
                    b.type);
    }
    if (n == "DECODE") {
        arity(3, 255);
        return Decode(e, scope);
    }
    if (std::optional<Emitted> everyday = EverydayFunction(e, scope))
        return *everyday;
    if (n == "LENGTH") {
        arity(1, 1);
        const Emitted a = arg(0);
        return Make("length(" + (a.type == SqlType::Text ? a.sql : "ora_concat(" + AsText(a) + ")") + ")",
                    SqlType::Number);
    }
    if (n == "TO_CHAR") {
        arity(1, 3);
        return Make("ora_to_char(" + arg(0).sql + ", " + (argc > 1 ? arg(1).sql : "NULL") + ", " +
                        Literal(ctx_.nlsDateFormat) + (argc > 2 ? ", " + arg(2).sql : "") + ")",
                    SqlType::Text);
    }
    if (n == "TO_DATE") {
        arity(1, 2);
        if (argc == 1)
            return Make(AsDate(arg(0)), SqlType::Date);
        return Make("ora_to_date(" + Args(e, scope) + ")", SqlType::Date);
    }
    ThrowOracleError(904, "\"" + n + "\": invalid identifier", e.offset);
}

// DECODE matches NULL with NULL, which SQLite's IS does.
Emitted SqliteEmitter::Decode(const Expr& e, const Scope& scope) {
    const Emitted subject = Expression(*e.args[0], scope);
    std::string sql = "CASE";
    SqlType type = SqlType::Unknown;
    size_t i = 1;
    for (; i + 1 < e.args.size(); i += 2) {
        const Emitted result = Expression(*e.args[i + 1], scope);
        if (type == SqlType::Unknown)
            type = result.type;
        sql += " WHEN " + subject.sql + " IS " + Coerced(Expression(*e.args[i], scope), subject) + " THEN " +
               result.sql;
    }
    if (i < e.args.size())
        sql += " ELSE " + Expression(*e.args[i], scope).sql;
    return Make(sql + " END", type);
}

Emitted SqliteEmitter::CaseExpr(const Expr& e, const Scope& scope) {
    std::string sql = "CASE";
    SqlType type = SqlType::Unknown;
    size_t i = 0;
    Emitted subject;
    if (e.hasOperand)
        subject = Expression(*e.args[i++], scope);
    const size_t pairsEnd = e.args.size() - (e.hasElse ? 1 : 0);
    for (; i + 1 < pairsEnd; i += 2) {
        const Emitted when = Expression(*e.args[i], scope), then = Expression(*e.args[i + 1], scope);
        if (type == SqlType::Unknown)
            type = then.type;
        sql +=
            " WHEN " + (e.hasOperand ? Comparison("=", subject, when).sql : when.sql) + " THEN " + then.sql;
    }
    if (e.hasElse)
        sql += " ELSE " + Expression(*e.args.back(), scope).sql;
    return Make(sql + " END", type);
}

Emitted SqliteEmitter::In(const Expr& e, const Scope& scope) {
    const Emitted x = Expression(*e.args[0], scope);
    std::string sql = "(" + x.sql + (e.negated ? " NOT IN (" : " IN (");
    if (e.subquery) {
        sql += EmitQuery(*e.subquery, &scope);
    } else {
        for (size_t i = 1; i < e.args.size(); ++i)
            sql += (i > 1 ? ", " : "") + Coerced(Expression(*e.args[i], scope), x);
    }
    return Make(sql + "))", SqlType::Number);
}

// A scalar subquery must deliver at most one row (ORA-01427). SQLite would take the first row
// silently, so its value goes through ora_single unless its shape already guarantees one row.
Emitted SqliteEmitter::ScalarSubquery(const Expr& e, const Scope& scope) {
    const Query& q = *e.subquery;
    const SelectCore& core = q.cores[0];
    if (core.items.size() != 1)
        ThrowOracleError(913, "too many values", e.offset);
    const bool oneRowByShape =
        q.cores.size() == 1 && core.groupBy.empty() && ContainsAggregate(*core.items[0].expr);
    std::vector<Emitted> types;
    const std::string inner = EmitQuery(q, &scope, &types);
    const Emitted& first = types[0];
    if (oneRowByShape)
        return Make("(" + inner + ")", first.type);
    const std::string name = ItemNames(core)[0];
    return Make("(SELECT ora_single(" + Quote(name) + ") FROM (" + inner + "))", first.type);
}

} // namespace orasql
