// Turns the syntax tree into SQLite text. It resolves names against the Catalog to infer types,
// so that a character literal or bind meeting a DATE becomes a date, arithmetic goes through the
// decimal functions, values stored into typed columns are checked, and Oracle's NULL order, outer
// joins and pseudo-columns are kept. Plain column comparisons stay native so indexes apply.
#pragma once

#include "platform/oci_sqlite/sql/Ast.h"

#include <functional>
#include <optional>
#include <set>

namespace orasql {

enum class SqlType { Unknown, Number, Text, Date, Rowid };

struct Emitted {
    std::string sql;
    SqlType type = SqlType::Unknown;
    // Set when the expression is a plain table column. A copy, not a pointer into the scope: the
    // types of a subquery's items outlive the subquery's scope (subquery in FROM, INSERT ... SELECT).
    std::optional<ColumnInfo> column;
    bool literal = false; // a string literal whose value is `value`
    std::string value;
};

// One table (or subquery) visible by name inside a query block.
struct ScopeTable {
    std::string key;   // alias, or the table name when there is no alias
    std::string table; // catalog table name, empty for a subquery
    std::vector<ColumnInfo> columns;
    bool known = false; // the column list is complete
    std::string sql;    // the emitted subquery, for a subquery in FROM
};

struct Scope {
    const Scope* parent = nullptr;
    std::vector<ScopeTable> tables;
};

// The FROM clause as it is emitted: Oracle's (+) conditions of a comma join become LEFT JOIN ... ON
// clauses, and the joined tables are ordered so that each ON refers only to tables before it.
struct PlannedTable {
    const TableRef* ref;
    JoinKind join;
    std::vector<const Expr*> on;
};

struct JoinPlan {
    std::vector<PlannedTable> tables;
    std::vector<const Expr*> where; // the conditions that stay in WHERE
};

class SqliteEmitter {
public:
    // `variables`: procedure-language names that become binds ":V$NAME" where no column matches.
    explicit SqliteEmitter(const Context& ctx, std::set<std::string> variables = {});

    // The result columns of the last top-level query emitted, with their Oracle types.
    const std::vector<ColumnInfo>& ResultColumns() const { return resultColumns_; }
    // `itemTypes` receives the types of the first branch's select list.
    std::string EmitQuery(const Query& q, const Scope* outer = nullptr,
                          std::vector<Emitted>* itemTypes = nullptr);
    std::string EmitInsert(const InsertStmt& s);
    std::string EmitUpdate(const UpdateStmt& s);
    std::string EmitDelete(const DeleteStmt& s);
    std::string EmitCreateTable(const CreateTableStmt& s);
    std::string EmitCreateIndex(const CreateIndexStmt& s);
    std::string EmitDropTable(const DropStmt& s);
    // An expression outside any table, for the procedure language's SELECT <expr>.
    std::string EmitStandalone(const Expr& e);
    std::string EmitCondition(const Expr& e);

    static std::string Quote(const std::string& name);
    static std::string Literal(const std::string& text);
    static std::string VariableBind(const std::string& name) { return ":V$" + name; }

private:
    static Emitted Make(std::string sql, SqlType type);
    // ORA-00909, 00938 or 00939 unless the call has from `least` to `most` arguments.
    static void RequireArguments(const Expr& call, size_t least, size_t most);

    // Expressions (ExpressionEmitter.cpp)
    Emitted Expression(const Expr& e, const Scope& scope);
    Emitted ColumnRef(const Expr& e, const Scope& scope);
    Emitted Binary(const Expr& e, const Scope& scope);
    Emitted Comparison(const std::string& op, const Emitted& l, const Emitted& r);
    Emitted Arithmetic(const std::string& op, const Emitted& l, const Emitted& r); // * and /
    Emitted AdditiveChain(const Expr& e, const Scope& scope);
    Emitted Function(const Expr& e, const Scope& scope);
    Emitted Decode(const Expr& e, const Scope& scope);
    // Oracle's everyday single-row functions (FunctionEmitter.cpp); nullopt for an unknown name.
    std::optional<Emitted> EverydayFunction(const Expr& e, const Scope& scope);
    Emitted Cast(const Expr& e, const Scope& scope); // CAST(value AS type)
    // Analytic functions: ROW_NUMBER, RANK, aggregates, LAG, LEAD ... OVER (...).
    Emitted Analytic(const Expr& e, const Scope& scope);
    std::string WindowSql(const Window& w, const Scope& scope);
    Emitted CaseExpr(const Expr& e, const Scope& scope);
    Emitted ScalarSubquery(const Expr& e, const Scope& scope);
    Emitted In(const Expr& e, const Scope& scope);
    std::string Args(const Expr& e, const Scope& scope, size_t from = 0);
    // Makes `other` fit for comparison with `target` (date literals, CHAR padding, numbers, ROWIDs).
    std::string Coerced(const Emitted& other, const Emitted& target);
    std::string AsDate(const Emitted& e);
    std::string AsText(const Emitted& e);
    std::string StoreValue(const Emitted& v, const ColumnInfo& column, const std::string& table);
    // An expression whose value goes into a column: a number literal of more digits than a double
    // holds is emitted as its text, which the column reads exactly.
    Emitted StoredExpression(const Expr& e, const Scope& scope);

    // Queries (QueryEmitter.cpp)
    std::string Core(const SelectCore& core, Scope& scope, std::vector<Emitted>* itemTypes);
    std::vector<ColumnInfo> ResultColumns(const SelectCore& core, const Scope& scope,
                                          const std::vector<Emitted>& items) const;
    std::string SelectItemSql(const SelectItem& item, const std::string& name, const Scope& scope,
                              Emitted& type);
    std::string From(const JoinPlan& plan, const Scope& scope);
    void AddTable(const TableRef& ref, Scope& scope);
    void SetQueryColumns(ScopeTable& t, const std::vector<std::string>& names,
                         const std::vector<Emitted>& types) const;
    std::string WithClause(const Query& q);
    std::string RowLimit(const Query& q);
    std::optional<std::string> RownumLimit(const Expr& condition, const Scope& scope);
    std::string OrderBy(const Query& q, const Scope& scope, const std::vector<std::string>& names,
                        const std::vector<Emitted>& items);
    std::vector<std::string> ItemNames(const SelectCore& core) const;

    // Names
    const TableInfo& RequireTable(const std::string& name, int offset);
    std::optional<TableInfo> FindTable(const std::string& name) const;
    std::string QualifiedColumn(const std::string& table, const std::string& column) const;

    const Context& ctx_;
    std::set<std::string> variables_;
    std::map<std::string, TableInfo> tableCache_;
    std::vector<ColumnInfo> resultColumns_;
    std::vector<ScopeTable> namedQueries_; // the WITH queries in reach, innermost last
    int queryDepth_ = 0; // query blocks being emitted; a subquery in FROM has no outer scope either
};

// `ownerOf` names the table key a column belongs to (empty when unknown).
JoinPlan PlanJoins(const SelectCore& core, const std::function<std::string(const Expr&)>& ownerOf);

bool ContainsAggregate(const Expr& e);
bool ContainsAnalytic(const Expr& e);

} // namespace orasql
