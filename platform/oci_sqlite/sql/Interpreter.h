// Runs anonymous blocks and the stored procedures they call. The interpreter walks the procedure
// tree; every expression, condition and SQL statement is translated and handed to the engine
// through the Executor, so values behave exactly as in plain SQL.
#pragma once

#include "platform/oci_sqlite/sql/Translator.h"

#include <cstdint>
#include <variant>

namespace orasql {

using SqlValue = std::variant<std::monostate, int64_t, double, std::string>;
using SqlRow = std::vector<SqlValue>;
using BindMap = std::map<std::string, SqlValue>;

// What the engine provides to run a block. Errors are thrown as OracleError.
class Executor {
public:
    virtual ~Executor() = default;
    // Runs one SQLite statement of the translator's output, binding ":NAME" parameters by name.
    virtual std::vector<SqlRow> Run(const std::string& sqliteSql, const BindMap& binds) = 0;
    // Locks tables until the transaction ends, as a change or SELECT ... FOR UPDATE outside a block
    // does; waitSeconds -1 waits as long as writers do, 0 does not wait.
    virtual void LockTables(const std::vector<std::string>& tables, int waitSeconds, bool forUpdate) = 0;
    virtual void Commit() = 0;
    virtual void Rollback() = 0;
    // A point inside the session's transaction (opened if none is), for undoing a failed block.
    virtual void Savepoint(const std::string& name) = 0;
    virtual void RollbackToSavepoint(const std::string& name) = 0;
    // The CREATE PROCEDURE text stored for a name, if any and if the caller may execute it.
    virtual std::optional<std::string> ProcedureSource(const std::string& upperName) = 0;
    // Around the body of a called procedure, whose statements run with its owner's privileges.
    virtual void EnterProcedure(const std::string& /*upperName*/) {}
    virtual void LeaveProcedure() {}
};

// Runs `begin ... end;` or `declare ... begin ... end;`. `binds` holds the block's bind values by
// upper-case name and receives the values of OUT arguments. On error the block's own uncommitted
// work is undone and the error is thrown as Oracle reports it (ORA-20xxx with ORA-06512 lines,
// ORA-06550 for names that do not resolve).
void RunBlock(std::string_view blockText, BindMap& binds, const Context& ctx, Executor& executor);

} // namespace orasql
