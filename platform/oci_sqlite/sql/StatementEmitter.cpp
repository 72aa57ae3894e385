// DML and DDL to SQLite. Every value stored into a typed column passes the column's check: DATE
// texts are read with the session's format, NUMBER(p,s) is rounded to its scale (ORA-01438 when too
// large), VARCHAR2 and CHAR lengths are checked in bytes (ORA-12899) and CHAR is blank-padded.
// An identity column becomes SQLite's auto-filled INTEGER PRIMARY KEY, which never reuses a value.
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

#include "platform/oci_sqlite/sql/Decimal.h"

#include <algorithm>

namespace orasql {
namespace {

const ColumnInfo* FindColumn(const TableInfo& t, const std::string& name) {
    for (const ColumnInfo& c : t.columns)
        if (c.name == name)
            return &c;
    return nullptr;
}

void CheckCount(size_t values, size_t columns) {
    if (values < columns)
        ThrowOracleError(947, "not enough values");
    if (values > columns)
        ThrowOracleError(913, "too many values");
}

} // namespace

std::string SqliteEmitter::StoreValue(const Emitted& v, const ColumnInfo& c, const std::string& table) {
    if (v.sql == "NULL")
        return v.sql;
    if (c.oracleType == "DATE")
        return AsDate(v);
    if (c.oracleType == "NUMBER" || c.oracleType == "INTEGER")
        return "ora_number_column(" + v.sql + ", " + std::to_string(c.precision) + ", " +
               (c.hasScale ? std::to_string(c.scale) : std::string("NULL")) + ")";
    if (c.oracleType == "VARCHAR2" || c.oracleType == "CHAR")
        return "ora_text_in(" + AsText(v) + ", " + std::to_string(c.length) + ", " +
               (c.oracleType == "CHAR" ? "1" : "0") + ", " + Literal(QualifiedColumn(table, c.name)) + ")";
    return v.sql;
}

Emitted SqliteEmitter::StoredExpression(const Expr& e, const Scope& scope) {
    Emitted out = Expression(e, scope);
    const bool negated = e.kind == ExprKind::Unary && e.text == "-" && e.args[0]->kind == ExprKind::Number;
    const Expr& literal = negated ? *e.args[0] : e;
    if (literal.kind != ExprKind::Number)
        return out;
    const auto number = Decimal::Parse(literal.text);
    if (number && !number->HeldByDouble() && !(number->IsInteger() && number->FitsInt64()))
        out.sql = Literal((negated ? -*number : *number).ToOracleText());
    return out;
}

std::string SqliteEmitter::EmitInsert(const InsertStmt& s) {
    const TableInfo& table = RequireTable(s.table, -1);
    std::vector<const ColumnInfo*> columns;
    if (s.columns.empty()) {
        for (const ColumnInfo& c : table.columns)
            columns.push_back(&c);
    }
    for (const std::string& name : s.columns) {
        const ColumnInfo* c = FindColumn(table, name);
        if (!c)
            ThrowOracleError(904, "\"" + name + "\": invalid identifier");
        columns.push_back(c);
    }
    std::string columnList;
    for (size_t i = 0; i < columns.size(); ++i)
        columnList += (i ? ", " : "") + Quote(columns[i]->name);
    const std::string head = "INSERT INTO " + Quote(s.table) + " (" + columnList + ") ";
    if (!s.query) {
        CheckCount(s.values.size(), columns.size());
        std::string values;
        for (size_t i = 0; i < columns.size(); ++i)
            values +=
                (i ? ", " : "") + StoreValue(StoredExpression(*s.values[i], Scope{}), *columns[i], s.table);
        return head + "VALUES (" + values + ")";
    }
    std::vector<Emitted> types;
    const std::string query = EmitQuery(*s.query, nullptr, &types);
    const auto& items = s.query->cores[0].items;
    const bool star = std::any_of(items.begin(), items.end(),
                                  [](const SelectItem& i) { return i.expr->kind == ExprKind::Star; });
    if (!star)
        CheckCount(items.size(), columns.size());
    // The source rows get positional names, so each can be checked against its target column.
    std::string names, values;
    for (size_t i = 0; i < columns.size(); ++i) {
        Emitted source;
        source.sql = Quote("C" + std::to_string(i + 1));
        source.type = !star && i < types.size() ? types[i].type : SqlType::Unknown;
        names += (i ? ", " : "") + source.sql;
        values += (i ? ", " : "") + StoreValue(source, *columns[i], s.table);
    }
    return "WITH \"ora$src\"(" + names + ") AS (" + query + ") " + head + "SELECT " + values +
           " FROM \"ora$src\"";
}

std::string SqliteEmitter::EmitUpdate(const UpdateStmt& s) {
    const TableInfo& table = RequireTable(s.table, -1);
    Scope scope;
    ScopeTable t;
    t.key = s.alias.empty() ? s.table : s.alias;
    t.table = s.table;
    t.columns = table.columns;
    t.known = true;
    scope.tables.push_back(t);
    std::string sql = "UPDATE " + Quote(s.table) + (s.alias.empty() ? "" : " AS " + Quote(s.alias)) + " SET ";
    for (size_t i = 0; i < s.sets.size(); ++i) {
        const ColumnInfo* c = FindColumn(table, s.sets[i].column);
        if (!c)
            ThrowOracleError(904, "\"" + s.sets[i].column + "\": invalid identifier");
        sql += (i ? ", " : "") + Quote(c->name) + " = " +
               StoreValue(StoredExpression(*s.sets[i].value, scope), *c, s.table);
    }
    if (s.where)
        sql += " WHERE " + Expression(*s.where, scope).sql;
    return sql;
}

std::string SqliteEmitter::EmitDelete(const DeleteStmt& s) {
    const TableInfo& table = RequireTable(s.table, -1);
    Scope scope;
    ScopeTable t;
    t.key = s.alias.empty() ? s.table : s.alias;
    t.table = s.table;
    t.columns = table.columns;
    t.known = true;
    scope.tables.push_back(t);
    std::string sql = "DELETE FROM " + Quote(s.table) + (s.alias.empty() ? "" : " AS " + Quote(s.alias));
    if (s.where)
        sql += " WHERE " + Expression(*s.where, scope).sql;
    return sql;
}

std::string SqliteEmitter::EmitCreateTable(const CreateTableStmt& s) {
    if (FindTable(s.name))
        ThrowOracleError(955, "name is already used by an existing object");
    const bool identity =
        std::any_of(s.columns.begin(), s.columns.end(), [](const ColumnDef& c) { return c.identity; });
    std::set<std::string> keyColumns;
    for (const TableConstraint& k : s.constraints)
        if (k.kind == "PRIMARY KEY")
            keyColumns.insert(k.columns.begin(), k.columns.end());
    std::string sql = "CREATE TABLE " + Quote(s.name) + " (";
    for (size_t i = 0; i < s.columns.size(); ++i) {
        const ColumnDef& c = s.columns[i];
        sql += (i ? ", " : "") + Quote(c.info.name) + " ";
        if (c.identity) {
            sql += "INTEGER PRIMARY KEY AUTOINCREMENT";
            continue;
        }
        sql += DeclaredType(c.info);
        if (c.info.notNull || keyColumns.count(c.info.name))
            sql += " NOT NULL";
        if (c.defaultValue)
            sql +=
                " DEFAULT (" + StoreValue(StoredExpression(*c.defaultValue, Scope{}), c.info, s.name) + ")";
        // With an identity column the table's own key is SQLite's rowid; Oracle's key stays unique.
        if (c.primaryKey)
            sql += identity ? " UNIQUE" : " PRIMARY KEY";
        if (c.unique)
            sql += " UNIQUE";
    }
    for (const TableConstraint& k : s.constraints) {
        sql += ", ";
        if (!k.name.empty())
            sql += "CONSTRAINT " + Quote(k.name) + " ";
        sql += (k.kind == "PRIMARY KEY" && identity ? std::string("UNIQUE") : k.kind) + " (";
        for (size_t i = 0; i < k.columns.size(); ++i)
            sql += (i ? ", " : "") + Quote(k.columns[i]);
        sql += ")";
    }
    return sql + ")";
}

std::string SqliteEmitter::EmitCreateIndex(const CreateIndexStmt& s) {
    const TableInfo& table = RequireTable(s.table, -1);
    std::string sql = std::string("CREATE ") + (s.unique ? "UNIQUE " : "") + "INDEX " + Quote(s.name) +
                      " ON " + Quote(s.table) + " (";
    for (size_t i = 0; i < s.columns.size(); ++i) {
        if (ctx_.catalog && !FindColumn(table, s.columns[i]))
            ThrowOracleError(904, "\"" + s.columns[i] + "\": invalid identifier");
        sql += (i ? ", " : "") + Quote(s.columns[i]);
    }
    return sql + ")";
}

std::string SqliteEmitter::EmitDropTable(const DropStmt& s) {
    if (s.objectType == "INDEX")
        return "DROP INDEX " + Quote(s.name);
    RequireTable(s.name, -1);
    return "DROP TABLE " + Quote(s.name);
}

} // namespace orasql
