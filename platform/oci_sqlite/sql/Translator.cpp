// Entry point of the translator: classifies an Oracle statement and, for now, hands its text to
// SQLite unchanged with its bind names collected. The parsing pipeline replaces the pass-through.
#include "platform/oci_sqlite/sql/Translator.h"

#include "platform/oci_sqlite/sql/Tokenizer.h"

#include <algorithm>

namespace orasql {
namespace {

// Oracle's SQL command codes as OCI_ATTR_SQLFNCODE reports them.
enum FunctionCode : unsigned {
    kCreateTable = 1,
    kInsert = 3,
    kSelect = 4,
    kUpdate = 5,
    kDropTable = 8,
    kDelete = 9,
    kCreateSequence = 13,
    kDropSequence = 16,
    kCreateIndex = 20,
    kDropIndex = 21,
    kCreateProcedure = 24,
    kPlsqlBlock = 34,
    kAlterSession = 52,
    kCommit = 54,
    kRollback = 55,
    kSavepoint = 56,
};

std::vector<std::string> CollectBinds(const std::vector<Token>& tokens) {
    std::vector<std::string> binds;
    for (const Token& t : tokens)
        if (t.kind == TokenKind::Bind && std::find(binds.begin(), binds.end(), t.text) == binds.end())
            binds.push_back(t.text);
    return binds;
}

std::string WordAt(const std::vector<Token>& tokens, size_t i) {
    return i < tokens.size() && tokens[i].kind == TokenKind::Identifier ? tokens[i].text : std::string();
}

void Classify(const std::vector<Token>& tokens, Translation& t) {
    const std::string first = WordAt(tokens, 0);
    const std::string second = WordAt(tokens, 1);
    auto set = [&](StatementType type, unsigned code, Action action = Action::RunSqlite, bool ddl = false) {
        t.type = type;
        t.sqlFunctionCode = code;
        t.action = action;
        t.ddl = ddl;
    };
    if (first == "SELECT" || first == "WITH")
        set(StatementType::Select, kSelect);
    else if (first == "INSERT")
        set(StatementType::Insert, kInsert);
    else if (first == "UPDATE")
        set(StatementType::Update, kUpdate);
    else if (first == "DELETE")
        set(StatementType::Delete, kDelete);
    else if (first == "COMMIT")
        set(StatementType::Unknown, kCommit, Action::Commit);
    else if (first == "ROLLBACK")
        set(StatementType::Unknown, kRollback,
            second == "TO" ? Action::RollbackToSavepoint : Action::Rollback);
    else if (first == "SAVEPOINT")
        set(StatementType::Unknown, kSavepoint, Action::Savepoint);
    else if (first == "ALTER" && second == "SESSION")
        set(StatementType::Alter, kAlterSession, Action::AlterSession);
    else if (first == "BEGIN")
        set(StatementType::Begin, kPlsqlBlock, Action::CallProcedure);
    else if (first == "DECLARE")
        set(StatementType::Declare, kPlsqlBlock, Action::CallProcedure);
    else if (first == "CREATE")
        set(StatementType::Create, kCreateTable, Action::RunSqlite, true);
    else if (first == "DROP")
        set(StatementType::Drop, kDropTable, Action::RunSqlite, true);
    else if (first == "ALTER")
        set(StatementType::Alter, 0, Action::RunSqlite, true);
}

} // namespace

Translation Translate(std::string_view oracleSql, const Context&) {
    const std::vector<Token> tokens = Tokenize(oracleSql);
    Translation t;
    Classify(tokens, t);
    t.binds = CollectBinds(tokens);
    if (t.action == Action::RunSqlite)
        t.sqlite.emplace_back(oracleSql);
    return t;
}

} // namespace orasql
