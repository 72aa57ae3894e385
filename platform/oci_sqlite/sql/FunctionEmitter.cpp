// Oracle's everyday single-row functions and the analytic functions, to SQLite. Arguments are
// converted the way Oracle converts them (texts to dates by the session format, later arguments of
// NVL-like functions to the first one's type); the values are computed by the registered ora_*
// functions, or by SQLite's window functions with Oracle's NULL order.
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

namespace orasql {
namespace {

bool IsRanking(const std::string& n) {
    return n == "ROW_NUMBER" || n == "RANK" || n == "DENSE_RANK";
}

bool NeedsWindowOrder(const std::string& n) {
    return IsRanking(n) || n == "LAG" || n == "LEAD";
}

} // namespace

std::optional<Emitted> SqliteEmitter::EverydayFunction(const Expr& e, const Scope& scope) {
    const std::string& n = e.text;
    const size_t argc = e.args.size();
    auto arity = [&](size_t lo, size_t hi) { RequireArguments(e, lo, hi); };
    auto arg = [&](size_t i) { return Expression(*e.args[i], scope); };
    // The later arguments read as the first one's type, as Oracle converts them.
    auto likeFirst = [&](const std::string& function) {
        const Emitted first = arg(0);
        std::string sql = function + "(" + first.sql;
        for (size_t i = 1; i < argc; ++i) {
            const Emitted other = arg(i);
            sql += ", " + (first.type == SqlType::Text && other.type == SqlType::Number
                               ? "ora_concat(" + other.sql + ")"
                               : Coerced(other, first));
        }
        return Make(sql + ")", first.type);
    };
    if (n == "CONCAT") {
        arity(2, 2);
        return Make("ora_concat(" + AsText(arg(0)) + ", " + AsText(arg(1)) + ")", SqlType::Text);
    }
    if (n == "TRIM") {
        const std::string mode = e.qualifier == "LEADING" ? "L" : e.qualifier == "TRAILING" ? "T" : "B";
        return Make("ora_trim(" + AsText(arg(0)) + ", " + (argc > 1 ? AsText(arg(1)) : "' '") + ", '" + mode +
                        "')",
                    SqlType::Text);
    }
    if (n == "REPLACE") {
        // A NULL search text changes nothing and a NULL replacement removes what is found.
        arity(2, 3);
        return Make("nullif(replace(" + AsText(arg(0)) + ", coalesce(" + AsText(arg(1)) + ", ''), " +
                        (argc > 2 ? "coalesce(" + AsText(arg(2)) + ", '')" : "''") + "), '')",
                    SqlType::Text);
    }
    if (n == "NULLIF") {
        arity(2, 2);
        const Emitted a = arg(0);
        return Make("CASE WHEN " + Comparison("=", a, arg(1)).sql + " THEN NULL ELSE " + a.sql + " END",
                    a.type);
    }
    if (n == "COALESCE") {
        arity(2, 255);
        return likeFirst("coalesce");
    }
    if (n == "GREATEST" || n == "LEAST") {
        arity(1, 255);
        // SQLite's max and min of several values give NULL when one is NULL, as Oracle's do.
        return argc == 1 ? arg(0) : likeFirst(n == "GREATEST" ? "max" : "min");
    }
    if (n == "ADD_MONTHS" || n == "NEXT_DAY") {
        arity(2, 2);
        return Make(std::string(n == "ADD_MONTHS" ? "ora_add_months(" : "ora_next_day(") + AsDate(arg(0)) +
                        ", " + arg(1).sql + ")",
                    SqlType::Date);
    }
    if (n == "MONTHS_BETWEEN") {
        arity(2, 2);
        return Make("ora_months_between(" + AsDate(arg(0)) + ", " + AsDate(arg(1)) + ")", SqlType::Number);
    }
    if (n == "LAST_DAY") {
        arity(1, 1);
        return Make("ora_last_day(" + AsDate(arg(0)) + ")", SqlType::Date);
    }
    if (n == "CAST")
        return Cast(e, scope);
    if (n == "EXTRACT") {
        const Emitted source = arg(0);
        // A DATE has no time zone fields, and these engines' DATE is the only datetime type.
        const bool timeField = e.qualifier == "HOUR" || e.qualifier == "MINUTE" || e.qualifier == "SECOND";
        if (timeField || source.type == SqlType::Text || source.type == SqlType::Number)
            ThrowOracleError(30076, "invalid extract field for extract source", e.offset);
        return Make("ora_extract('" + e.qualifier + "', " + AsDate(source) + ")", SqlType::Number);
    }
    if (NeedsWindowOrder(n))
        ThrowOracleError(30484, "missing window specification for this function", e.offset);
    return std::nullopt;
}

// The types a value converts to: NUMBER (rounded to its scale, ORA-01438 beyond its precision),
// INTEGER, VARCHAR2 and CHAR (ORA-25137 when longer, CHAR padded) and DATE.
Emitted SqliteEmitter::Cast(const Expr& e, const Scope& scope) {
    const std::string& type = e.qualifier;
    const Emitted value = Expression(*e.args[0], scope);
    const auto size = [&](size_t i) { return i < e.args.size() ? e.args[i]->text : std::string(); };
    if (type == "NUMBER" || type == "DECIMAL" || type == "NUMERIC" || type == "INTEGER" || type == "INT") {
        const bool whole = type == "INTEGER" || type == "INT";
        const std::string precision = whole ? "38" : size(1).empty() ? "0" : size(1);
        const std::string scale = whole ? "0" : size(2).empty() ? (size(1).empty() ? "NULL" : "0") : size(2);
        return Make("ora_number_in(" + value.sql + ", " + precision + ", " + scale + ")", SqlType::Number);
    }
    if (type == "VARCHAR2" || type == "VARCHAR" || type == "CHAR") {
        const std::string length = size(1).empty() ? (type == "CHAR" ? "1" : "4000") : size(1);
        return Make("ora_text_in(" + AsText(value) + ", " + length + ", " + (type == "CHAR" ? "1" : "0") +
                        ", NULL)",
                    SqlType::Text);
    }
    if (type == "DATE")
        return Make(AsDate(value), SqlType::Date);
    ThrowOracleError(902, "invalid datatype", e.offset);
}

Emitted SqliteEmitter::Analytic(const Expr& e, const Scope& scope) {
    const std::string& n = e.text;
    const size_t argc = e.args.size();
    auto arity = [&](size_t lo, size_t hi) { RequireArguments(e, lo, hi); };
    if (NeedsWindowOrder(n) && e.over->orderBy.empty())
        ThrowOracleError(30485, "missing ORDER BY expression in the window specification", e.offset);
    const std::string over = " " + WindowSql(*e.over, scope);
    if (IsRanking(n)) {
        arity(0, 0);
        return Make(n + "()" + over, SqlType::Number);
    }
    if (n == "COUNT")
        return Make(std::string("count(") + (e.star ? "*" : Args(e, scope)) + ")" + over, SqlType::Number);
    if (n == "SUM" || n == "AVG") {
        arity(1, 1);
        return Make((n == "SUM" ? "ora_sum(" : "ora_avg(") + Args(e, scope) + ")" + over, SqlType::Number);
    }
    if (n == "MIN" || n == "MAX") {
        arity(1, 1);
        const Emitted value = Expression(*e.args[0], scope);
        return Make((n == "MIN" ? "min(" : "max(") + value.sql + ")" + over, value.type);
    }
    if (n == "LAG" || n == "LEAD") {
        arity(1, 3);
        const Emitted value = Expression(*e.args[0], scope);
        std::string sql = (n == "LAG" ? "lag(" : "lead(") + value.sql;
        if (argc > 1)
            sql += ", " + Expression(*e.args[1], scope).sql;
        if (argc > 2)
            sql += ", " + Coerced(Expression(*e.args[2], scope), value);
        return Make(sql + ")" + over, value.type);
    }
    ThrowOracleError(30483, "window functions are not allowed here", e.offset);
}

std::string SqliteEmitter::WindowSql(const Window& w, const Scope& scope) {
    std::string sql = "OVER (";
    for (size_t i = 0; i < w.partitionBy.size(); ++i)
        sql += (i ? ", " : "PARTITION BY ") + Expression(*w.partitionBy[i], scope).sql;
    for (size_t i = 0; i < w.orderBy.size(); ++i) {
        const OrderItem& item = w.orderBy[i];
        const bool nullsFirst =
            item.nulls == NullsOrder::Default ? item.descending : item.nulls == NullsOrder::First;
        sql += (i                       ? ", "
                : w.partitionBy.empty() ? "ORDER BY "
                                        : " ORDER BY ") +
               Expression(*item.expr, scope).sql + (item.descending ? " DESC" : " ASC") +
               (nullsFirst ? " NULLS FIRST" : " NULLS LAST");
    }
    if (!w.frame.empty())
        sql += " " + w.frame;
    return sql + ")";
}

bool ContainsAnalytic(const Expr& e) {
    if (e.over)
        return true;
    for (const ExprPtr& a : e.args)
        if (ContainsAnalytic(*a))
            return true;
    return false;
}

} // namespace orasql
