// The test engine: translation actions carried out over a plain sqlite3 connection. Sequences
// live in memory outside any transaction, as the engine keeps them apart from rollback.
#include "TestDatabase.h"

#include "platform/oci_sqlite/sql/OracleFunctions.h"
#include "platform/oci_sqlite/sql/SqlScript.h"

#include <cstdio>
#include <cstring>

namespace orasql::test {
namespace {

[[noreturn]] void ThrowSqlite(sqlite3* db) {
    const std::string message = sqlite3_errmsg(db);
    int code = -1;
    if (message.rfind("ORA-", 0) == 0)
        code = std::atoi(message.c_str() + 4);
    throw OracleError(code, message);
}

void RowidEncode(sqlite3_context* c, int, sqlite3_value** v) {
    const std::string text = "ROWID" + std::to_string(sqlite3_value_int64(v[1]));
    sqlite3_result_text(c, text.c_str(), -1, SQLITE_TRANSIENT);
}

void RowidDecode(sqlite3_context* c, int, sqlite3_value** v) {
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v[0]));
    if (!t || std::strncmp(t, "ROWID", 5) != 0)
        return sqlite3_result_error(c, "ORA-01410: invalid ROWID", -1);
    sqlite3_result_int64(c, std::atoll(t + 5));
}

void SequenceValue(sqlite3_context* c, int, sqlite3_value** v) {
    auto* self = static_cast<TestDatabase*>(sqlite3_user_data(c));
    const std::string name = reinterpret_cast<const char*>(sqlite3_value_text(v[0]));
    auto& s = self->sequences.at(name);
    s.current = s.next;
    s.next += s.increment;
    s.used = true;
    sqlite3_result_int64(c, s.current);
}

void SequenceCurrent(sqlite3_context* c, int, sqlite3_value** v) {
    auto* self = static_cast<TestDatabase*>(sqlite3_user_data(c));
    auto& s = self->sequences.at(reinterpret_cast<const char*>(sqlite3_value_text(v[0])));
    if (!s.used)
        return sqlite3_result_error(c, "ORA-08002: sequence is not yet defined in this session", -1);
    sqlite3_result_int64(c, s.current);
}

} // namespace

std::string Text(const SqlValue& v) {
    if (std::holds_alternative<std::monostate>(v))
        return "NULL";
    if (std::holds_alternative<int64_t>(v))
        return std::to_string(std::get<int64_t>(v));
    if (std::holds_alternative<double>(v)) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.15g", std::get<double>(v));
        return buf;
    }
    return std::get<std::string>(v);
}

TestDatabase::TestDatabase() {
    sqlite3_open(":memory:", &db);
    RegisterOracleFunctions(db);
    sqlite3_create_function(db, kRowidEncodeFunction, 2, SQLITE_UTF8, nullptr, RowidEncode, nullptr, nullptr);
    sqlite3_create_function(db, kRowidDecodeFunction, 1, SQLITE_UTF8, nullptr, RowidDecode, nullptr, nullptr);
    sqlite3_create_function(db, kNextvalFunction, 1, SQLITE_UTF8, this, SequenceValue, nullptr, nullptr);
    sqlite3_create_function(db, kCurrvalFunction, 1, SQLITE_UTF8, this, SequenceCurrent, nullptr, nullptr);
    context.catalog = this;
    context.user = "DEMO";
}

TestDatabase::~TestDatabase() {
    sqlite3_close(db);
}

std::optional<TableInfo> TestDatabase::FindTable(const std::string& upperName) const {
    sqlite3_stmt* st = nullptr;
    TableInfo info;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                       -1, &st, nullptr);
    sqlite3_bind_text(st, 1, upperName.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW)
        info.name = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db, "SELECT name, type, \"notnull\" FROM pragma_table_info(?)", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, upperName.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(st) == SQLITE_ROW) {
        ColumnInfo c = ParseDeclaredType(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        c.name = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        c.notNull = sqlite3_column_int(st, 2) != 0;
        info.columns.push_back(c);
    }
    sqlite3_finalize(st);
    if (info.columns.empty())
        return std::nullopt;
    return info;
}

bool TestDatabase::SequenceExists(const std::string& upperName) const {
    return sequences.count(upperName) > 0;
}

std::vector<SqlRow> TestDatabase::Run(const std::string& sql, const BindMap& binds) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        ThrowSqlite(db);
    for (int i = 1; i <= sqlite3_bind_parameter_count(st); ++i) {
        const std::string name = sqlite3_bind_parameter_name(st, i) + 1;
        auto it = binds.find(name);
        if (it == binds.end())
            continue;
        const SqlValue& v = it->second;
        if (std::holds_alternative<int64_t>(v))
            sqlite3_bind_int64(st, i, std::get<int64_t>(v));
        else if (std::holds_alternative<double>(v))
            sqlite3_bind_double(st, i, std::get<double>(v));
        else if (std::holds_alternative<std::string>(v) && !std::get<std::string>(v).empty())
            sqlite3_bind_text(st, i, std::get<std::string>(v).c_str(), -1, SQLITE_TRANSIENT);
    }
    std::vector<SqlRow> rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        SqlRow row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                row.emplace_back(static_cast<int64_t>(sqlite3_column_int64(st, c)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(st, c));
                break;
            case SQLITE_NULL:
                row.emplace_back(std::monostate{});
                break;
            default:
                row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
            }
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_finalize(st);
        throw OracleError(message.rfind("ORA-", 0) == 0 ? std::atoi(message.c_str() + 4) : -1, message);
    }
    sqlite3_finalize(st);
    return rows;
}

void TestDatabase::Plain(const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        ThrowSqlite(db);
}

void TestDatabase::Commit() {
    if (!sqlite3_get_autocommit(db))
        Plain("COMMIT");
}

void TestDatabase::Rollback() {
    if (!sqlite3_get_autocommit(db))
        Plain("ROLLBACK");
}

void TestDatabase::Savepoint(const std::string& name) {
    Plain("SAVEPOINT \"" + name + "\"");
}

void TestDatabase::RollbackToSavepoint(const std::string& name) {
    Plain("ROLLBACK TO \"" + name + "\"");
}

std::optional<std::string> TestDatabase::ProcedureSource(const std::string& upperName) {
    auto it = procedures.find(upperName);
    return it == procedures.end() ? std::nullopt : std::optional<std::string>(it->second);
}

Rows TestDatabase::Exec(const std::string& oracleSql, BindMap binds) {
    const Translation t = Translate(oracleSql, context);
    Rows out;
    switch (t.action) {
    case Action::RunSqlite:
        if (t.ddl)
            Commit();
        for (const std::string& sql : t.sqlite)
            for (const SqlRow& row : Run(sql, binds)) {
                out.emplace_back();
                for (const SqlValue& v : row)
                    out.back().push_back(Text(v));
            }
        if (!t.returningRowidBind.empty())
            lastBinds[t.returningRowidBind] = "ROWID" + std::to_string(sqlite3_last_insert_rowid(db));
        break;
    case Action::Commit:
        Commit();
        break;
    case Action::Rollback:
        Rollback();
        break;
    case Action::Savepoint:
        Savepoint(t.args.at("name"));
        break;
    case Action::RollbackToSavepoint:
        RollbackToSavepoint(t.args.at("name"));
        break;
    case Action::AlterSession:
        if (t.args.at("parameter") == "NLS_DATE_FORMAT")
            context.nlsDateFormat = t.args.at("value");
        break;
    case Action::CreateSequence:
        sequences[t.args.at("name")] = {std::stoll(t.args.at("start")), std::stoll(t.args.at("increment")), 0,
                                        false};
        break;
    case Action::DropSequence:
        sequences.erase(t.args.at("name"));
        break;
    case Action::CreateProcedure:
        procedures[t.args.at("name")] = t.args.at("source");
        break;
    case Action::DropProcedure:
        procedures.erase(t.args.at("name"));
        break;
    case Action::CallProcedure:
        RunBlock(t.args.at("source"), binds, context, *this);
        lastBinds = binds;
        break;
    default:
        break;
    }
    return out;
}

std::string TestDatabase::Error(const std::string& oracleSql, BindMap binds) {
    try {
        Exec(oracleSql, std::move(binds));
    } catch (const OracleError& e) {
        return e.what();
    }
    return "(no error)";
}

void TestDatabase::Script(const std::string& text) {
    for (const std::string& statement : SplitScript(text))
        Exec(statement);
}

} // namespace orasql::test
