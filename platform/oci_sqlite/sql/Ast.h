// The syntax tree the parser builds and the emitter walks: expressions, queries, DML, DDL and the
// procedure language. Names of unquoted identifiers are upper case; nodes keep their text offset
// so errors can point into the statement.
#pragma once

#include "platform/oci_sqlite/sql/Translator.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace orasql {

struct Query;
struct Expr;
struct Window;
using ExprPtr = std::unique_ptr<Expr>;
using QueryPtr = std::unique_ptr<Query>;

enum class ExprKind {
    Number, // text: the literal as written
    String, // text: the value ('' never occurs: the parser makes it Null)
    Null,
    Bind,     // text: upper-case name
    Column,   // text: column, qualifier: table or alias (may be empty); ROWID included
    Star,     // qualifier: table or alias, or empty for *
    Unary,    // text: "-", "+", "NOT"; args[0]
    Binary,   // text: operator ("AND", "OR", "=", "<>", "<", "+", "||", ...); args[0], args[1]
    Function, // text: upper-case name; args; distinct for aggregates; star for COUNT(*); over for an
              // analytic call; qualifier: TRIM's LEADING/TRAILING/BOTH, EXTRACT's field
    Case,     // args: [operand] then when/then pairs, then [else]; hasOperand, hasElse
    Subquery, // scalar subquery
    Exists,   // subquery; negated
    In,       // args[0] the operand, then the list items, or subquery; negated
    Between,  // args: operand, low, high; negated
    Like,     // args: operand, pattern, [escape]; negated
    IsNull,   // args[0]; negated for IS NOT NULL
    Sequence  // text: sequence name, qualifier: "NEXTVAL" or "CURRVAL"
};

struct Expr {
    ExprKind kind;
    std::string text;
    std::string qualifier;
    std::vector<ExprPtr> args;
    QueryPtr subquery;
    bool negated = false;
    bool distinct = false;
    bool star = false;
    bool outerJoin = false; // a column marked with (+)
    bool hasOperand = false;
    bool hasElse = false;
    std::unique_ptr<Window> over;
    int offset = 0;
    std::string sourceText; // the words as written, upper case and without blanks (Oracle's column name)
};

struct SelectItem {
    ExprPtr expr;
    std::string alias;
};

enum class JoinKind { Comma, Inner, Left };

struct TableRef {
    std::string name; // empty for a subquery
    QueryPtr subquery;
    std::string alias;
    JoinKind join = JoinKind::Comma;
    ExprPtr on;
    int offset = 0;
};

enum class NullsOrder { Default, First, Last };

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
    NullsOrder nulls = NullsOrder::Default;
};

// OVER (PARTITION BY ... ORDER BY ... [frame]) of an analytic function.
struct Window {
    std::vector<ExprPtr> partitionBy;
    std::vector<OrderItem> orderBy;
    std::string frame; // "ROWS BETWEEN UNBOUNDED PRECEDING AND CURRENT ROW", or empty
};

struct SelectCore {
    bool distinct = false;
    std::vector<SelectItem> items;
    std::vector<TableRef> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::vector<std::string> into; // SELECT ... INTO of the procedure language
};

// WITH name [(columns)] AS (query)
struct NamedQuery {
    std::string name;
    std::vector<std::string> columns;
    QueryPtr query;
};

struct Query {
    std::vector<NamedQuery> with;
    std::vector<SelectCore> cores;
    std::vector<std::string> setOps; // between cores: "UNION", "UNION ALL", "MINUS", "INTERSECT"
    std::vector<OrderItem> orderBy;
    ExprPtr offset;     // OFFSET n ROWS
    ExprPtr fetchFirst; // FETCH FIRST n ROWS ONLY
    bool forUpdate = false;
    int lockWaitSeconds = -1; // FOR UPDATE: -1 waits as long as writers do, 0 NOWAIT, n WAIT n
};

// The tables a SELECT ... FOR UPDATE locks: those named in the FROM clause of each branch.
inline std::vector<std::string> ForUpdateTables(const Query& q) {
    std::vector<std::string> tables;
    if (q.forUpdate)
        for (const SelectCore& core : q.cores)
            for (const TableRef& table : core.from)
                if (!table.name.empty())
                    tables.push_back(table.name);
    return tables;
}

struct InsertStmt {
    std::string table;
    std::vector<std::string> columns;
    std::vector<ExprPtr> values; // INSERT ... VALUES
    QueryPtr query;              // INSERT ... SELECT
    std::string returningRowidBind;
};

struct Assignment {
    std::string column;
    ExprPtr value;
};

struct UpdateStmt {
    std::string table;
    std::string alias;
    std::vector<Assignment> sets;
    ExprPtr where;
    std::string returningRowidBind;
};

struct DeleteStmt {
    std::string table;
    std::string alias;
    ExprPtr where;
};

struct ColumnDef {
    ColumnInfo info;
    ExprPtr defaultValue;
    bool primaryKey = false;
    bool unique = false;
    bool identity = false;
};

struct TableConstraint {
    std::string name;
    std::string kind; // "PRIMARY KEY", "UNIQUE"
    std::vector<std::string> columns;
};

struct CreateTableStmt {
    std::string name;
    std::vector<ColumnDef> columns;
    std::vector<TableConstraint> constraints;
};

struct CreateIndexStmt {
    std::string name;
    std::string table;
    bool unique = false;
    std::vector<std::string> columns;
};

struct DropStmt {
    std::string objectType; // TABLE, INDEX, SEQUENCE, PROCEDURE
    std::string name;
};

struct CreateSequenceStmt {
    std::string name;
    std::string startWith = "1";
    std::string incrementBy = "1";
};

// Statements the engine carries out itself, with their operands (see Translation::args).
struct EngineStmt {
    Action action;
    StatementType type;
    unsigned functionCode;
    std::map<std::string, std::string> args;
};

struct Procedure;
struct Block;
using ProcedurePtr = std::shared_ptr<const Procedure>;

struct CreateProcedureStmt {
    ProcedurePtr procedure;
};

struct BlockStmt {
    std::shared_ptr<const Block> block;
};

using Statement = std::variant<QueryPtr, InsertStmt, UpdateStmt, DeleteStmt, CreateTableStmt, CreateIndexStmt,
                               DropStmt, CreateSequenceStmt, EngineStmt, CreateProcedureStmt, BlockStmt>;

// ---- procedure language ----

struct PlStmt;
using PlBody = std::vector<PlStmt>;

struct PlBranch {
    ExprPtr condition; // null for ELSE
    PlBody body;
};

enum class PlKind { Sql, Assign, If, Commit, Rollback, RaiseError, Call, Null };

struct PlStmt {
    PlKind kind;
    int line = 1;
    int column = 1;
    std::shared_ptr<Statement> sql; // Sql: a DML statement or a SELECT ... INTO
    std::string target;             // Assign: variable or bind; Call: procedure name
    bool bindTarget = false;        // Assign: the target is the bind variable named target
    std::vector<ExprPtr> args;      // Assign: [value]; Call and RaiseError: arguments
    std::vector<PlBranch> branches; // If
};

enum class ParamMode { In, Out, InOut };

struct Variable {
    std::string name;
    std::string type;
    ParamMode mode = ParamMode::In;
    ExprPtr initial;
};

struct Block {
    std::vector<Variable> locals;
    PlBody body;
};

struct Procedure {
    std::string name;
    std::vector<Variable> params;
    Block block;
};

} // namespace orasql
