// SELECT to SQLite: each query block gets its scope of tables for name resolution, the FROM clause
// follows the join plan, select items get Oracle's column names, ORDER BY gets Oracle's NULL order
// (last ascending, first descending), MINUS becomes EXCEPT, and FOR UPDATE falls away (SQLite
// locks the whole file on write).
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace orasql {
namespace {

std::string SetOperator(const std::string& op) {
    return op == "MINUS" ? "EXCEPT" : op;
}

bool IsDual(const TableRef& t) {
    return t.name == "DUAL" && !t.subquery;
}

// The WITH queries of a query block are in reach until the block is emitted.
class NamedQueriesGuard {
public:
    explicit NamedQueriesGuard(std::vector<ScopeTable>& named) : named_(named), size_(named.size()) {}
    ~NamedQueriesGuard() { named_.resize(size_); }
    NamedQueriesGuard(const NamedQueriesGuard&) = delete;
    NamedQueriesGuard& operator=(const NamedQueriesGuard&) = delete;

private:
    std::vector<ScopeTable>& named_;
    size_t size_;
};

// The smaller of two row counts, where -1 stands for all rows.
std::string FewerRows(const std::string& a, const std::string& b) {
    return "(SELECT CASE WHEN x < 0 THEN y WHEN y < 0 THEN x ELSE min(x, y) END FROM (SELECT " + a +
           " AS x, " + b + " AS y))";
}

// LIMIT and OFFSET take whole counts; Oracle truncates a fraction and takes what is below 0 as 0.
std::string RowCount(const std::string& sql) {
    return "max(0, coalesce(ora_trunc(" + sql + "), 0))";
}

// Counts the query blocks under emission, also when one fails.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(++depth) {}
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

} // namespace

std::optional<TableInfo> SqliteEmitter::FindTable(const std::string& name) const {
    if (!ctx_.catalog)
        return std::nullopt;
    return ctx_.catalog->FindTable(name);
}

const TableInfo& SqliteEmitter::RequireTable(const std::string& name, int offset) {
    auto cached = tableCache_.find(name);
    if (cached != tableCache_.end())
        return cached->second;
    std::optional<TableInfo> info = FindTable(name);
    // SQLite finds "Mixed" under MIXED too; Oracle keeps a quoted name's case.
    if (!info || (!info->name.empty() && info->name != name))
        throw OracleError(942, "ORA-00942: table or view does not exist", offset);
    return tableCache_.emplace(name, std::move(*info)).first->second;
}

std::string SqliteEmitter::QualifiedColumn(const std::string& table, const std::string& column) const {
    return (ctx_.user.empty() ? "" : "\"" + ctx_.user + "\".") + "\"" + table + "\".\"" + column + "\"";
}

std::vector<std::string> SqliteEmitter::ItemNames(const SelectCore& core) const {
    std::vector<std::string> names;
    for (const SelectItem& item : core.items) {
        if (!item.alias.empty())
            names.push_back(item.alias);
        else if (item.expr->kind == ExprKind::Column)
            names.push_back(item.expr->text);
        else if (item.expr->kind == ExprKind::Star)
            names.push_back("");
        else
            names.push_back(item.expr->sourceText);
    }
    return names;
}

std::string SqliteEmitter::EmitQuery(const Query& q, const Scope* outer, std::vector<Emitted>* itemTypes) {
    const DepthGuard depth(queryDepth_);
    const NamedQueriesGuard named(namedQueries_);
    std::vector<Scope> scopes(q.cores.size());
    std::vector<Emitted> firstItems;
    std::string sql = WithClause(q);
    for (size_t i = 0; i < q.cores.size(); ++i) {
        scopes[i].parent = outer;
        if (i > 0)
            sql += " " + SetOperator(q.setOps[i - 1]) + " ";
        sql += Core(q.cores[i], scopes[i], i == 0 ? &firstItems : nullptr);
        // Only the statement's own first branch names and types the result.
        if (i == 0 && queryDepth_ == 1)
            resultColumns_ = ResultColumns(q.cores[0], scopes[0], firstItems);
    }
    if (!q.orderBy.empty())
        sql += OrderBy(q, scopes[0], ItemNames(q.cores[0]), firstItems);
    sql += RowLimit(q);
    if (itemTypes)
        *itemTypes = firstItems;
    return sql;
}

// The columns a query in FROM or WITH offers, typed as far as its select list tells.
void SqliteEmitter::SetQueryColumns(ScopeTable& t, const std::vector<std::string>& names,
                                    const std::vector<Emitted>& types) const {
    t.known = true;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) {
            t.known = false;
            continue;
        }
        ColumnInfo c;
        c.name = names[i];
        const Emitted type = i < types.size() ? types[i] : Emitted{};
        if (type.column)
            c = *type.column, c.name = names[i];
        else
            c.oracleType = type.type == SqlType::Date     ? "DATE"
                           : type.type == SqlType::Number ? "NUMBER"
                           : type.type == SqlType::Text   ? "VARCHAR2"
                                                          : "";
        t.columns.push_back(c);
    }
}

std::string SqliteEmitter::WithClause(const Query& q) {
    std::string sql;
    for (const NamedQuery& named : q.with) {
        std::vector<Emitted> types;
        ScopeTable t;
        t.key = named.name;
        const std::string body = EmitQuery(*named.query, nullptr, &types);
        const std::vector<std::string> itemNames = ItemNames(named.query->cores[0]);
        if (!named.columns.empty() && named.columns.size() != itemNames.size())
            ThrowOracleError(32038, "number of WITH clause column names does not match number of elements in "
                                    "select list");
        SetQueryColumns(t, named.columns.empty() ? itemNames : named.columns, types);
        std::string columns;
        for (size_t i = 0; i < named.columns.size(); ++i)
            columns +=
                (i ? ", " : "(") + Quote(named.columns[i]) + (i + 1 == named.columns.size() ? ")" : "");
        sql += (sql.empty() ? "WITH " : ", ") + Quote(named.name) + columns + " AS (" + body + ")";
        namedQueries_.push_back(std::move(t));
    }
    return sql.empty() ? sql : sql + " ";
}

std::string SqliteEmitter::RowLimit(const Query& q) {
    if (!q.fetchFirst && !q.offset)
        return "";
    const Scope none;
    std::string sql = " LIMIT " + (q.fetchFirst ? RowCount(Expression(*q.fetchFirst, none).sql) : "-1");
    if (q.offset)
        sql += " OFFSET " + RowCount(Expression(*q.offset, none).sql);
    return sql;
}

void SqliteEmitter::AddTable(const TableRef& ref, Scope& scope) {
    ScopeTable t;
    t.key = ref.alias.empty() ? ref.name : ref.alias;
    const auto named = std::find_if(namedQueries_.rbegin(), namedQueries_.rend(),
                                    [&](const ScopeTable& n) { return !ref.subquery && n.key == ref.name; });
    if (ref.subquery) {
        std::vector<Emitted> types;
        t.sql = EmitQuery(*ref.subquery, scope.parent, &types);
        SetQueryColumns(t, ItemNames(ref.subquery->cores[0]), types);
    } else if (named != namedQueries_.rend()) {
        t.columns = named->columns;
        t.known = named->known;
    } else if (IsDual(ref) && !FindTable("DUAL")) {
        t.table = "DUAL";
        ColumnInfo dummy;
        dummy.name = "DUMMY";
        dummy.oracleType = "VARCHAR2";
        dummy.length = 1;
        t.columns.push_back(dummy);
        t.known = true;
    } else {
        t.table = ref.name;
        if (ctx_.catalog) {
            t.columns = RequireTable(ref.name, ref.offset).columns;
            t.known = true;
        }
    }
    scope.tables.push_back(std::move(t));
}

std::string SqliteEmitter::From(const JoinPlan& plan, const Scope& scope) {
    std::string sql = " FROM ";
    for (size_t i = 0; i < plan.tables.size(); ++i) {
        const PlannedTable& p = plan.tables[i];
        const TableRef& ref = *p.ref;
        const std::string key = ref.alias.empty() ? ref.name : ref.alias;
        if (i > 0)
            sql += p.join == JoinKind::Comma ? ", " : p.join == JoinKind::Left ? " LEFT JOIN " : " JOIN ";
        const ScopeTable* st = nullptr;
        for (const ScopeTable& t : scope.tables)
            if (t.key == key)
                st = &t;
        if (ref.subquery)
            sql += "(" + st->sql + ")" + (ref.alias.empty() ? "" : " AS " + Quote(ref.alias));
        else if (IsDual(ref) && st && st->table == "DUAL" && !FindTable("DUAL"))
            sql += "(SELECT 'X' AS \"DUMMY\") AS " + Quote(key);
        else
            sql += Quote(ref.name) + (ref.alias.empty() ? "" : " AS " + Quote(ref.alias));
        std::vector<const Expr*> on = p.on;
        if (ref.on)
            on.insert(on.begin(), ref.on.get());
        if (i > 0 && p.join != JoinKind::Comma) {
            sql += " ON ";
            for (size_t k = 0; k < on.size(); ++k)
                sql += (k ? " AND " : "") + Expression(*on[k], scope).sql;
        }
    }
    return sql;
}

namespace {

const char* OracleTypeName(SqlType type) {
    switch (type) {
    case SqlType::Date:
        return "DATE";
    case SqlType::Number:
        return "NUMBER";
    case SqlType::Text:
        return "VARCHAR2";
    case SqlType::Rowid:
        return "ROWID";
    case SqlType::Unknown:
        break;
    }
    return "";
}

} // namespace

std::vector<ColumnInfo> SqliteEmitter::ResultColumns(const SelectCore& core, const Scope& scope,
                                                     const std::vector<Emitted>& items) const {
    const std::vector<std::string> names = ItemNames(core);
    std::vector<ColumnInfo> columns;
    for (size_t i = 0; i < core.items.size(); ++i) {
        const Expr& e = *core.items[i].expr;
        if (e.kind == ExprKind::Star) {
            for (const ScopeTable& t : scope.tables)
                if (e.qualifier.empty() || t.key == e.qualifier || t.table == e.qualifier)
                    columns.insert(columns.end(), t.columns.begin(), t.columns.end());
            continue;
        }
        ColumnInfo c;
        if (items[i].column)
            c = *items[i].column;
        else
            c.oracleType = OracleTypeName(items[i].type);
        c.name = items[i].type == SqlType::Rowid && core.items[i].alias.empty() ? "ROWID" : names[i];
        columns.push_back(c);
    }
    return columns;
}

std::string SqliteEmitter::SelectItemSql(const SelectItem& item, const std::string& name, const Scope& scope,
                                         Emitted& type) {
    type = Expression(*item.expr, scope);
    if (item.expr->kind == ExprKind::Star)
        return type.sql;
    if (type.type == SqlType::Rowid)
        return std::string(kRowidEncodeFunction) + "(" + Literal(type.value) + ", " + type.sql + ") AS " +
               Quote(item.alias.empty() ? "ROWID" : item.alias);
    return type.sql + " AS " + Quote(name);
}

std::string SqliteEmitter::Core(const SelectCore& core, Scope& scope, std::vector<Emitted>* itemTypes) {
    for (const TableRef& ref : core.from)
        AddTable(ref, scope);
    auto ownerOf = [&](const Expr& col) -> std::string {
        for (const ScopeTable& t : scope.tables) {
            if (!col.qualifier.empty() ? (t.key == col.qualifier || t.table == col.qualifier)
                                       : std::any_of(t.columns.begin(), t.columns.end(),
                                                     [&](const ColumnInfo& c) { return c.name == col.text; }))
                return t.key;
        }
        return col.qualifier;
    };
    const JoinPlan plan = PlanJoins(core, ownerOf);
    const std::vector<std::string> names = ItemNames(core);
    std::string sql = core.distinct ? "SELECT DISTINCT " : "SELECT ";
    for (size_t i = 0; i < core.items.size(); ++i) {
        Emitted type;
        sql += (i ? ", " : "") + SelectItemSql(core.items[i], names[i], scope, type);
        if (itemTypes)
            itemTypes->push_back(type);
    }
    // ROWNUM counts the rows that pass WHERE before they are grouped or sorted: conditions on it
    // become a LIMIT on those rows.
    std::vector<const Expr*> where;
    std::string rownumLimit;
    for (const Expr* condition : plan.where) {
        if (ContainsAnalytic(*condition))
            ThrowOracleError(30483, "window functions are not allowed here", condition->offset);
        if (std::optional<std::string> limit = RownumLimit(*condition, scope))
            rownumLimit = rownumLimit.empty() ? *limit : FewerRows(rownumLimit, *limit);
        else
            where.push_back(condition);
    }
    std::string rows = From(plan, scope);
    if (!where.empty()) {
        rows += " WHERE ";
        for (size_t k = 0; k < where.size(); ++k)
            rows += (k ? " AND " : "") + Expression(*where[k], scope).sql;
    }
    if (!rownumLimit.empty()) {
        const bool grouped = core.distinct || !core.groupBy.empty() || core.having ||
                             std::any_of(core.items.begin(), core.items.end(), [](const SelectItem& item) {
                                 return ContainsAggregate(*item.expr);
                             });
        // The rows are counted before an ORDER BY sorts them. OFFSET 0 keeps SQLite from taking
        // the outer sort as leave to pick other rows than the first ones read.
        if (!grouped)
            return "SELECT * FROM (" + sql + rows + " LIMIT " + rownumLimit + " OFFSET 0)";
        if (plan.tables.size() != 1)
            ThrowOracleError(3001, "unimplemented feature");
        const TableRef& only = *plan.tables[0].ref;
        rows = " FROM (SELECT *" + rows + " LIMIT " + rownumLimit + ") AS " +
               Quote(only.alias.empty() ? only.name : only.alias);
    }
    sql += rows;
    for (const ExprPtr& group : core.groupBy)
        if (ContainsAnalytic(*group))
            ThrowOracleError(30483, "window functions are not allowed here", group->offset);
    if (!core.groupBy.empty()) {
        sql += " GROUP BY ";
        for (size_t k = 0; k < core.groupBy.size(); ++k)
            sql += (k ? ", " : "") + Expression(*core.groupBy[k], scope).sql;
    }
    if (core.having)
        sql += " HAVING " + Expression(*core.having, scope).sql;
    return sql;
}

namespace {

bool IsRownum(const Expr& e) {
    return e.kind == ExprKind::Column && e.text == "ROWNUM" && e.qualifier.empty();
}

bool MentionsRownum(const Expr& e) {
    return IsRownum(e) ||
           std::any_of(e.args.begin(), e.args.end(), [](const ExprPtr& a) { return MentionsRownum(*a); });
}

std::string Mirrored(const std::string& op) {
    return op == "<" ? ">" : op == ">" ? "<" : op == "<=" ? ">=" : op == ">=" ? "<=" : op;
}

} // namespace

// A comparison of ROWNUM with a value as the number of rows it lets through (-1: all of them),
// since the n-th row only passes when n - 1 rows passed before it.
std::optional<std::string> SqliteEmitter::RownumLimit(const Expr& condition, const Scope& scope) {
    if (!MentionsRownum(condition))
        return std::nullopt;
    const bool comparison = condition.kind == ExprKind::Binary && condition.args.size() == 2 &&
                            condition.text != "AND" && condition.text != "OR";
    const bool left = comparison && IsRownum(*condition.args[0]) && !MentionsRownum(*condition.args[1]);
    const bool right = comparison && IsRownum(*condition.args[1]) && !MentionsRownum(*condition.args[0]);
    if (!left && !right)
        ThrowOracleError(3001, "unimplemented feature", condition.offset);
    const std::string op = left ? condition.text : Mirrored(condition.text);
    const std::string n = Expression(*condition.args[left ? 1 : 0], scope).sql;
    if (op == "<=")
        return "max(0, coalesce(ora_floor(" + n + "), 0))";
    if (op == "<")
        return "max(0, coalesce(ora_ceil(" + n + ") - 1, 0))";
    if (op == "=")
        return "CASE WHEN " + n + " = 1 THEN 1 ELSE 0 END";
    if (op == ">")
        return "CASE WHEN " + n + " < 1 THEN -1 ELSE 0 END";
    if (op == ">=")
        return "CASE WHEN " + n + " <= 1 THEN -1 ELSE 0 END";
    return "CASE WHEN " + n + " <> 1 THEN 1 ELSE 0 END"; // <>: only the first row passes
}

namespace {

bool HasOuterJoin(const Expr* e) {
    if (!e)
        return false;
    if (e->outerJoin)
        return true;
    return std::any_of(e->args.begin(), e->args.end(),
                       [](const ExprPtr& a) { return HasOuterJoin(a.get()); });
}

// A NOT NULL column of a query without outer joins can hold no NULL, so it needs no NULL order,
// and without one SQLite can walk an index in either direction instead of sorting.
bool CannotBeNull(const Query& q, const Emitted& term) {
    if (!term.column || !term.column->notNull || q.cores.size() > 1)
        return false;
    const SelectCore& core = q.cores[0];
    const bool leftJoin = std::any_of(core.from.begin(), core.from.end(),
                                      [](const TableRef& t) { return t.join == JoinKind::Left; });
    return !leftJoin && !HasOuterJoin(core.where.get());
}

} // namespace

std::string SqliteEmitter::OrderBy(const Query& q, const Scope& scope, const std::vector<std::string>& names,
                                   const std::vector<Emitted>& items) {
    std::string sql = " ORDER BY ";
    for (size_t i = 0; i < q.orderBy.size(); ++i) {
        const OrderItem& item = q.orderBy[i];
        const Expr& e = *item.expr;
        std::string term;
        Emitted resolved;
        const auto named =
            std::find(names.begin(), names.end(), e.kind == ExprKind::Column ? e.text : e.sourceText);
        if (e.kind == ExprKind::Number) {
            term = e.text;
            const size_t position = static_cast<size_t>(std::atoi(e.text.c_str()));
            if (position >= 1 && position <= items.size())
                resolved = items[position - 1];
        } else if (named != names.end() && (e.kind != ExprKind::Column || e.qualifier.empty())) {
            term = Quote(*named); // a select-list name wins over a column of the same name
            resolved = items[named - names.begin()];
        } else if (q.cores.size() > 1) {
            ThrowOracleError(1785, "ORDER BY item must be the number of a SELECT-list expression", e.offset);
        } else {
            resolved = Expression(e, scope);
            term = resolved.sql;
        }
        const bool nullsFirst =
            item.nulls == NullsOrder::Default ? item.descending : item.nulls == NullsOrder::First;
        const bool nullOrderMatters = item.nulls != NullsOrder::Default || !CannotBeNull(q, resolved);
        sql += (i ? ", " : "") + term + (item.descending ? " DESC" : " ASC") +
               (nullOrderMatters ? (nullsFirst ? " NULLS FIRST" : " NULLS LAST") : "");
    }
    return sql;
}

} // namespace orasql
