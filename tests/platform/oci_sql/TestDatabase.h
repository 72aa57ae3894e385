// A plain sqlite3 connection with the dialect's functions, a Catalog over it and just enough of an
// engine (transactions, sequences, stored procedures) to run Oracle text end to end:
// Oracle text -> Translate -> sqlite3 -> rows. It is also the interpreter's Executor in tests.
#pragma once

#include "platform/oci_sqlite/sql/Interpreter.h"
#include "platform/oci_sqlite/sql/Translator.h"

#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

namespace orasql::test {

using Rows = std::vector<std::vector<std::string>>;

class TestDatabase : public Catalog, public Executor {
public:
    TestDatabase();
    ~TestDatabase() override;

    // Runs one Oracle statement; rows of a query as texts ("NULL" for NULL, numbers as %.15g).
    Rows Exec(const std::string& oracleSql, BindMap binds = {});
    // Runs and expects an error; returns its full text.
    std::string Error(const std::string& oracleSql, BindMap binds = {});
    // Runs a script in the command-line form (";" at line ends, "/" after a procedure).
    void Script(const std::string& text);
    std::string One(const std::string& oracleSql, BindMap binds = {}) {
        return Exec(oracleSql, std::move(binds)).at(0).at(0);
    }

    BindMap lastBinds; // bind values after a block ran (OUT arguments)
    Context context;
    sqlite3* db = nullptr;

    // Catalog
    std::optional<TableInfo> FindTable(const std::string& upperName) const override;
    bool SequenceExists(const std::string& upperName) const override;

    // Executor
    std::vector<SqlRow> Run(const std::string& sqliteSql, const BindMap& binds) override;
    // One connection: there is no one to wait for.
    void LockTables(const std::vector<std::string>&, int, bool) override {}
    void Commit() override;
    void Rollback() override;
    void Savepoint(const std::string& name) override;
    void RollbackToSavepoint(const std::string& name) override;
    std::optional<std::string> ProcedureSource(const std::string& upperName) override;

    struct SequenceState {
        int64_t next, increment, current;
        bool used;
    };
    std::map<std::string, SequenceState> sequences;
    std::map<std::string, std::string> procedures;

private:
    void Plain(const std::string& sql);
};

std::string Text(const SqlValue& v);

} // namespace orasql::test
