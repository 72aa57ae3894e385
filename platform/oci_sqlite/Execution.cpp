// Statement execution: queries, changes, DDL and engine actions. Which of them runs is decided by
// the translation; transaction rules are applied here, around SQLite.
#include "platform/oci_sqlite/Execution.h"

#include "platform/oci_sqlite/Defining.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/ProcedureRunner.h"
#include "platform/oci_sqlite/SqlText.h"

#include <sqlite3.h>

#include <optional>
#include <vector>

namespace ocisqlite {

namespace {

using orasql::Action;
using orasql::Translation;

std::string Arg(const Translation& t, const char* key) {
    const auto found = t.args.find(key);
    return found == t.args.end() ? std::string() : found->second;
}

int64_t IntArg(const Translation& t, const char* key, int64_t fallback) {
    const std::string text = Arg(t, key);
    return text.empty() ? fallback : std::stoll(text);
}

ub4 StepToEnd(Session& session, sqlite3_stmt* stmt, const Translation& t) {
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        ThrowSqliteError(session.db(), rc, session.ErrorContextFor(t.type));
    return sqlite3_stmt_readonly(stmt) ? 0 : static_cast<ub4>(sqlite3_changes(session.db()));
}

// One SQLite statement of a change, borrowed and its binds found once for all iterations of an
// array execution: a thousand-row INSERT then costs a thousand steps, not a thousand lookups.
class ChangeStatement {
public:
    ChangeStatement(Session& session, const std::string& sql, const BindSet& binds, const Translation& t)
        : lease_(session.statements().Borrow(sql)),
          slots_(ParameterSlots(lease_.ParameterNames(), binds, t.returningRowidBind)) {}

    ub4 Run(Session& session, ub4 iteration, const Translation& t) {
        sqlite3_reset(lease_.get());
        BindParameters(lease_.get(), slots_, iteration);
        try {
            return StepToEnd(session, lease_.get(), t);
        } catch (...) {
            // Reset before the iteration's savepoint is rolled back, as a returned statement would be.
            sqlite3_reset(lease_.get());
            throw;
        }
    }

private:
    StatementLease lease_;
    std::vector<const BindSlot*> slots_;
};

// Each statement is borrowed when the first iteration reaches it, as a single execution would.
ub4 RunIteration(Session& session, std::vector<std::optional<ChangeStatement>>& statements,
                 const BindSet& binds, ub4 iteration, const Translation& t) {
    ub4 rows = 0;
    for (size_t i = 0; i < t.sqlite.size(); ++i) {
        if (!statements[i])
            statements[i].emplace(session, t.sqlite[i], binds, t);
        rows += statements[i]->Run(session, iteration, t);
    }
    return rows;
}

// The Oracle error being handled; anything else goes on up.
EngineError CurrentOracleError() {
    try {
        throw;
    } catch (const EngineError& e) {
        return e;
    } catch (const orasql::OracleError& e) {
        return EngineError(e.code(), e.what());
    }
}

// An array execution stops at its first failing iteration, as Oracle's does without batch errors:
// that iteration is undone, the ones before it stay in the transaction and in rowCount. With batch
// errors every iteration is tried and each failing one undone alone and reported; an error that
// cost the whole transaction still ends the execution.
ExecutionResult RunChange(Session& session, const Translation& t, const BindSet& binds, ub4 iterations,
                          bool batchErrors, ub4& rowCount) {
    if (iterations == 0)
        throw ora::ZeroIterationCount();
    ExecutionResult result;
    session.lastChangedRow().Forget();
    const BindSlot* returnedRowid = t.returningRowidBind.empty() ? nullptr : binds.Find(t.returningRowidBind);
    Transaction& transaction = session.transaction();
    try {
        // The file's writer first: a session that waits for it then holds no table another writer
        // may need, so two changing sessions queue instead of deadlocking.
        transaction.BeginIfNeeded();
        transaction.LockTables(t.lockTables, -1, false);
        std::vector<std::optional<ChangeStatement>> statements(t.sqlite.size());
        for (ub4 iteration = 0; iteration < iterations; ++iteration) {
            StatementAtomicity atomic(session.db(), t.sqlite.size() > 1);
            ub4 rows = 0;
            try {
                rows = RunIteration(session, statements, binds, iteration, t);
            } catch (...) {
                if (!batchErrors || sqlite3_get_autocommit(session.db()))
                    throw;
                result.rowErrors.push_back({iteration, CurrentOracleError()});
                continue;
            }
            atomic.Succeeded();
            rowCount += rows;
            transaction.MarkChanged();
            const auto row = returnedRowid ? session.lastChangedRow().Get() : std::nullopt;
            if (row)
                WriteValue(EncodeRowid(*row), *returnedRowid, iteration, false, session.nlsDateFormat());
        }
        result.lastRow = session.lastChangedRow().Get();
    } catch (...) {
        transaction.RethrowFailure();
    }
    return result;
}

ExecutionResult RunQuery(Session& session, const std::shared_ptr<const Translation>& translation,
                         const BindSet& binds, bool describeOnly) {
    const Translation& t = *translation;
    if (t.sqlite.size() != 1)
        throw ora::InvalidSql();
    if (t.forUpdate && !describeOnly)
        session.transaction().LockTables(t.lockTables, t.lockWaitSeconds, true);
    StatementLease lease = session.statements().Borrow(t.sqlite.front());
    if (!describeOnly)
        BindParameters(lease.get(), lease.ParameterNames(), binds, 0, t.returningRowidBind);
    ExecutionResult result;
    result.cursor = std::make_unique<Cursor>(std::move(lease), session.cursors(),
                                             session.ErrorContextFor(t.type), translation, describeOnly);
    return result;
}

// DDL ends the open transaction first, as Oracle's does, then runs as a transaction of its own, so
// a statement the translator turned into several SQLite statements happens whole or not at all.
// The table it creates belongs to the user, and a dropped table's grants go with it.
void RunDdl(Session& session, const Translation& t, const BindSet& binds) {
    Transaction& transaction = session.transaction();
    ObjectPrivileges& privileges = session.privileges();
    transaction.Commit();
    transaction.BeginIfNeeded();
    try {
        privileges.TakeCreatedTable();
        privileges.TakeDroppedTable();
        for (const std::string& sql : t.sqlite)
            ChangeStatement(session, sql, binds, t).Run(session, 0, t);
        if (const auto created = privileges.TakeCreatedTable())
            privileges.RecordOwner(*created);
        if (const auto dropped = privileges.TakeDroppedTable())
            privileges.ForgetObject(*dropped);
    } catch (...) {
        transaction.Rollback();
        throw;
    }
    transaction.Commit();
}

// Users other than oneself are the administrator's to manage, as with Oracle's ALTER USER privilege.
void RequireAdministrator(Session& session) {
    if (!session.users().IsAdministrator(session.user()))
        throw ora::InsufficientPrivileges();
}

void RunUserAction(Session& session, const Translation& t) {
    UserCatalog& users = session.users();
    const std::string user = Arg(t, "user");
    if (t.action != Action::AlterUserPassword || UpperCase(user) != session.user())
        RequireAdministrator(session);
    switch (t.action) {
    case Action::CreateUser:
        return users.CreateUser(user, Arg(t, "password"));
    case Action::AlterUserPassword:
        return users.SetPassword(user, Arg(t, "password"));
    case Action::AlterUserExpire:
        return users.Expire(user);
    case Action::AlterUserGrace:
        return users.StartGrace(user, static_cast<int>(IntArg(t, "days", kDefaultGraceDays)));
    default:
        return users.SetLocked(user, Arg(t, "lock") == "1");
    }
}

std::vector<std::string> ListArg(const Translation& t, const char* key) {
    std::vector<std::string> items;
    const std::string text = Arg(t, key);
    for (size_t start = 0; start <= text.size();) {
        const size_t comma = std::min(text.find(',', start), text.size());
        items.push_back(UpperCase(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return items;
}

void RequireOwnerIfExists(Session& session, const std::string& name, bool exists) {
    if (exists)
        session.privileges().RequireOwner(name);
}

// The object is a procedure, a sequence or a table; anything else is one the user cannot see.
void RunGrant(Session& session, const Translation& t) {
    const std::string object = UpperCase(Arg(t, "object"));
    SchemaCatalog& catalog = session.catalog();
    const bool isProcedure = catalog.ProcedureSource(object).has_value();
    if (!isProcedure && !catalog.SequenceExists(object) && !catalog.FindTable(object))
        throw ora::TableNotFound();
    session.privileges().Grant(Arg(t, "revoke") == "1", ListArg(t, "privileges"), object, isProcedure,
                               ListArg(t, "grantees"));
}

void RunAction(Session& session, const Translation& t) {
    Transaction& transaction = session.transaction();
    switch (t.action) {
    case Action::Commit:
        transaction.Commit();
        return;
    case Action::Rollback:
        transaction.Rollback();
        return;
    case Action::Savepoint:
        transaction.Savepoint(Arg(t, "name"));
        return;
    case Action::RollbackToSavepoint:
        transaction.RollbackTo(Arg(t, "name"));
        return;
    case Action::LockTable:
        if (!session.catalog().FindTable(UpperCase(Arg(t, "table"))) ||
            !session.privileges().SeesAny(Arg(t, "table")))
            throw ora::TableNotFound();
        transaction.LockTables({Arg(t, "table")}, static_cast<int>(IntArg(t, "wait", -1)), true);
        return;
    case Action::AlterSession:
        if (UpperCase(Arg(t, "parameter")) == "NLS_DATE_FORMAT")
            session.SetNlsDateFormat(Arg(t, "value"));
        return;
    default:
        break;
    }
    transaction.Commit(); // the rest are DDL
    switch (t.action) {
    case Action::CreateUser:
    case Action::AlterUserPassword:
    case Action::AlterUserExpire:
    case Action::AlterUserGrace:
    case Action::AlterUserAccount:
        return RunUserAction(session, t);
    case Action::Grant:
        return RunGrant(session, t);
    case Action::CreateSequence:
        session.catalog().CreateSequence(Arg(t, "name"), IntArg(t, "start", 1), IntArg(t, "increment", 1));
        session.privileges().RecordOwner(Arg(t, "name"));
        return;
    case Action::DropSequence:
        RequireOwnerIfExists(session, Arg(t, "name"),
                             session.catalog().SequenceExists(UpperCase(Arg(t, "name"))));
        session.catalog().DropSequence(Arg(t, "name"));
        session.privileges().ForgetObject(Arg(t, "name"));
        return;
    case Action::CreateProcedure: { // replacing is for the owner only
        const std::string name = Arg(t, "name");
        const bool exists = session.catalog().ProcedureSource(UpperCase(name)).has_value();
        RequireOwnerIfExists(session, name, exists);
        session.catalog().StoreProcedure(name, Arg(t, "source"));
        if (!exists)
            session.privileges().RecordOwner(name);
        return;
    }
    case Action::DropProcedure:
        RequireOwnerIfExists(session, Arg(t, "name"),
                             session.catalog().ProcedureSource(UpperCase(Arg(t, "name"))).has_value());
        session.catalog().DropProcedure(Arg(t, "name"));
        session.privileges().ForgetObject(Arg(t, "name"));
        return;
    default:
        throw ora::Unimplemented();
    }
}

} // namespace

ExecutionResult Execute(Session& session, const std::shared_ptr<const Translation>& translation,
                        const BindSet& binds, ub4 iterations, ub4 mode, ub4& rowCount) {
    const Translation& t = *translation;
    const bool describeOnly = (mode & OCI_DESCRIBE_ONLY) != 0;
    if (t.action == Action::RunSqlite && t.type == orasql::StatementType::Select)
        return RunQuery(session, translation, binds, describeOnly);
    if (describeOnly)
        return {};
    RequireBound(binds, t.binds, t.returningRowidBind);
    ExecutionResult result;
    if (t.action == Action::CallProcedure)
        RunBlock(session, t, binds);
    else if (t.action != Action::RunSqlite)
        RunAction(session, t);
    else if (t.ddl)
        RunDdl(session, t, binds);
    else
        result = RunChange(session, t, binds, iterations, (mode & OCI_BATCH_ERRORS) != 0, rowCount);
    if (mode & OCI_COMMIT_ON_SUCCESS)
        session.transaction().Commit();
    return result;
}

} // namespace ocisqlite
