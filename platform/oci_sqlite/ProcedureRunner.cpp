// The interpreter's executor over a session. Statements of a block change data inside the session's
// transaction, exactly as the same statements sent by a client would.
#include "platform/oci_sqlite/ProcedureRunner.h"

#include "platform/oci_sqlite/Defining.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqliteErrors.h"
#include "platform/oci_sqlite/SqliteStatement.h"

#include "platform/oci_sqlite/sql/Interpreter.h"

#include <memory>
#include <sqlite3.h>
#include <vector>

namespace ocisqlite {

namespace {

template <class Call> auto AsOracleError(Call call) {
    try {
        return call();
    } catch (const EngineError& e) { // the interpreter's handlers catch Oracle errors
        throw orasql::OracleError(e.code(), e.what());
    }
}

// A statement prepared for one run, finalized with it.
struct OwnStatement {
    OwnStatement() = default;
    ~OwnStatement() { sqlite3_finalize(stmt); }
    OwnStatement(const OwnStatement&) = delete;
    OwnStatement& operator=(const OwnStatement&) = delete;
    sqlite3_stmt* stmt = nullptr;
};

class SessionExecutor : public orasql::Executor {
public:
    explicit SessionExecutor(Session& session) : session_(session) {}

    std::vector<orasql::SqlRow> Run(const std::string& sqliteSql, const orasql::BindMap& binds) override {
        return AsOracleError([&] { return RunStatement(sqliteSql, binds); });
    }
    void LockTables(const std::vector<std::string>& tables, int waitSeconds, bool forUpdate) override {
        AsOracleError([&] { session_.transaction().LockTables(tables, waitSeconds, forUpdate); });
    }
    void Commit() override { session_.transaction().Commit(); }
    void Rollback() override { session_.transaction().Rollback(); }
    void Savepoint(const std::string& name) override { session_.transaction().Savepoint(name); }
    void RollbackToSavepoint(const std::string& name) override { session_.transaction().RollbackTo(name); }
    // A procedure the caller may not execute is one it cannot see, as with Oracle (PLS-00201).
    std::optional<std::string> ProcedureSource(const std::string& upperName) override {
        if (!session_.privileges().MayExecute(upperName))
            return std::nullopt;
        return session_.catalog().ProcedureSource(upperName);
    }
    void EnterProcedure(const std::string& upperName) override {
        definers_.push_back(std::make_unique<ObjectPrivileges::Definer>(session_.privileges(), upperName));
    }
    void LeaveProcedure() override { definers_.pop_back(); }

private:
    // A statement run with another user's privileges is prepared for this run alone, so that no
    // statement of the same text the client sends finds it authorized in the session's cache.
    std::vector<orasql::SqlRow> RunStatement(const std::string& sql, const orasql::BindMap& binds) {
        StatementLease lease;
        OwnStatement own;
        if (session_.privileges().ActsForAnother()) {
            if (const int rc = sqlite3_prepare_v2(session_.db(), sql.c_str(), -1, &own.stmt, nullptr);
                rc != SQLITE_OK)
                ThrowSqliteError(session_.db(), rc, session_.ErrorContextFor(orasql::StatementType::Begin));
        } else {
            lease = session_.statements().Borrow(sql);
        }
        sqlite3_stmt* stmt = own.stmt ? own.stmt : lease.get();
        const bool changes = !sqlite3_stmt_readonly(stmt);
        if (changes)
            session_.transaction().BeginIfNeeded();
        for (int index = 1; index <= sqlite3_bind_parameter_count(stmt); ++index) {
            const char* name = sqlite3_bind_parameter_name(stmt, index);
            const auto found = name ? binds.find(name + 1) : binds.end();
            BindValue(stmt, index, found == binds.end() ? Value{} : found->second);
        }
        std::vector<orasql::SqlRow> rows;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            rows.push_back(CurrentRow(stmt));
        if (rc != SQLITE_DONE)
            ThrowSqliteError(session_.db(), rc, session_.ErrorContextFor(orasql::StatementType::Begin));
        if (changes)
            session_.transaction().MarkChanged();
        return rows;
    }

    Session& session_;
    std::vector<std::unique_ptr<ObjectPrivileges::Definer>> definers_;
};

// The interpreter sets a savepoint for every block, which opens a transaction and takes the write
// lock; a block that changed nothing in a transaction of its own must not keep other writers waiting.
class BlockTransaction {
public:
    explicit BlockTransaction(Transaction& transaction)
        : transaction_(transaction), ownsTransaction_(!transaction.Active()) {}
    ~BlockTransaction() {
        if (!ownsTransaction_)
            return;
        try {
            transaction_.EndIfNothingChanged();
        } catch (const EngineError&) {
            // Ending changes nothing here; the next statement of the session meets any real trouble.
        }
    }
    BlockTransaction(const BlockTransaction&) = delete;
    BlockTransaction& operator=(const BlockTransaction&) = delete;

private:
    Transaction& transaction_;
    bool ownsTransaction_;
};

} // namespace

void RunBlock(Session& session, const orasql::Translation& translation, const BindSet& binds) {
    orasql::BindMap values;
    for (const std::string& name : translation.binds)
        if (const BindSlot* slot = binds.Find(name))
            values[name] = ReadBindValue(*slot, 0);
    const orasql::BindMap before = values;
    SessionExecutor executor(session);
    const BlockTransaction blockTransaction(session.transaction());
    const orasql::Context context{&session.catalog(), session.user(), session.nlsDateFormat()};
    orasql::RunBlock(translation.args.at("source"), values, context, executor);
    // OUT arguments back into the client's buffers; an IN buffer may be read-only, so only changes go.
    for (const auto& [name, value] : values) {
        const BindSlot* slot = binds.Find(name);
        const auto old = before.find(name);
        if (slot && (old == before.end() || old->second != value))
            WriteValue(value, *slot, 0, false, session.nlsDateFormat());
    }
}

} // namespace ocisqlite
