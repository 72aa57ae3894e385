// Entry point of the translator: tokens for the bind names, the parser for the tree, then either
// the SQLite text of the emitter or the engine action with its operands. Errors in an anonymous
// block are reported the way PL/SQL compilation reports them (ORA-06550).
#include "platform/oci_sqlite/sql/Translator.h"

#include "platform/oci_sqlite/sql/Parser.h"
#include "platform/oci_sqlite/sql/PlsqlErrors.h"
#include "platform/oci_sqlite/sql/SqliteEmitter.h"
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
    kGrant = 28,
    kPlsqlBlock = 34,
    kDropProcedure = 68,
};

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

std::vector<std::string> CollectBinds(const std::vector<Token>& tokens) {
    std::vector<std::string> binds;
    for (const Token& t : tokens)
        if (t.kind == TokenKind::Bind && std::find(binds.begin(), binds.end(), t.text) == binds.end())
            binds.push_back(t.text);
    return binds;
}

void Set(Translation& t, StatementType type, unsigned code, Action action = Action::RunSqlite,
         bool ddl = false) {
    t.type = type;
    t.sqlFunctionCode = code;
    t.action = action;
    t.ddl = ddl;
}

void TranslateInto(Translation& t, Statement& statement, std::string_view text, const Context& ctx) {
    SqliteEmitter emitter(ctx);
    std::visit(Overloaded{
                   [&](QueryPtr& q) {
                       Set(t, StatementType::Select, kSelect);
                       t.sqlite.push_back(emitter.EmitQuery(*q));
                       t.columns = emitter.ResultColumns();
                       t.forUpdate = q->forUpdate;
                       t.lockWaitSeconds = q->lockWaitSeconds;
                       t.lockTables = ForUpdateTables(*q);
                   },
                   [&](InsertStmt& s) {
                       Set(t, StatementType::Insert, kInsert);
                       t.sqlite.push_back(emitter.EmitInsert(s));
                       t.lockTables = {s.table};
                       t.returningRowidBind = s.returningRowidBind;
                   },
                   [&](UpdateStmt& s) {
                       Set(t, StatementType::Update, kUpdate);
                       t.sqlite.push_back(emitter.EmitUpdate(s));
                       t.lockTables = {s.table};
                       t.returningRowidBind = s.returningRowidBind;
                   },
                   [&](DeleteStmt& s) {
                       Set(t, StatementType::Delete, kDelete);
                       t.sqlite.push_back(emitter.EmitDelete(s));
                       t.lockTables = {s.table};
                   },
                   [&](CreateTableStmt& s) {
                       Set(t, StatementType::Create, kCreateTable, Action::RunSqlite, true);
                       t.sqlite.push_back(emitter.EmitCreateTable(s));
                   },
                   [&](CreateIndexStmt& s) {
                       Set(t, StatementType::Create, kCreateIndex, Action::RunSqlite, true);
                       t.sqlite.push_back(emitter.EmitCreateIndex(s));
                   },
                   [&](DropStmt& s) {
                       if (s.objectType == "SEQUENCE") {
                           if (ctx.catalog && !ctx.catalog->SequenceExists(s.name))
                               throw OracleError(2289, "ORA-02289: sequence does not exist");
                           Set(t, StatementType::Drop, kDropSequence, Action::DropSequence, true);
                           t.args["name"] = s.name;
                       } else if (s.objectType == "PROCEDURE") {
                           Set(t, StatementType::Drop, kDropProcedure, Action::DropProcedure, true);
                           t.args["name"] = s.name;
                       } else {
                           Set(t, StatementType::Drop, s.objectType == "INDEX" ? kDropIndex : kDropTable,
                               Action::RunSqlite, true);
                           t.sqlite.push_back(emitter.EmitDropTable(s));
                       }
                   },
                   [&](CreateSequenceStmt& s) {
                       if (ctx.catalog && ctx.catalog->SequenceExists(s.name))
                           throw OracleError(955, "ORA-00955: name is already used by an existing object");
                       Set(t, StatementType::Create, kCreateSequence, Action::CreateSequence, true);
                       t.args = {{"name", s.name}, {"start", s.startWith}, {"increment", s.incrementBy}};
                   },
                   [&](EngineStmt& s) {
                       const bool ddl =
                           s.action == Action::CreateUser || s.action == Action::AlterUserPassword ||
                           s.action == Action::AlterUserExpire || s.action == Action::AlterUserGrace ||
                           s.action == Action::AlterUserAccount || s.action == Action::Grant;
                       Set(t, s.type, s.functionCode == 0 ? kGrant : s.functionCode, s.action, ddl);
                       t.args = s.args;
                   },
                   [&](CreateProcedureStmt& s) {
                       Set(t, StatementType::Create, kCreateProcedure, Action::CreateProcedure, true);
                       t.args = {{"name", s.procedure->name}, {"source", std::string(text)}};
                   },
                   [&](BlockStmt& s) {
                       Set(t,
                           text.find_first_not_of(" \t\r\n") != std::string_view::npos &&
                                   (text[text.find_first_not_of(" \t\r\n")] | 0x20) == 'd'
                               ? StatementType::Declare
                               : StatementType::Begin,
                           kPlsqlBlock, Action::CallProcedure);
                       t.args["source"] = std::string(text);
                       if (s.block->body.size() == 1 && s.block->body[0].kind == PlKind::Call)
                           t.args["name"] = s.block->body[0].target;
                   },
               },
               statement);
}

bool StartsBlock(const std::vector<Token>& tokens) {
    return !tokens.empty() && (tokens[0].IsWord("BEGIN") || tokens[0].IsWord("DECLARE"));
}

} // namespace

Translation Translate(std::string_view oracleSql, const Context& ctx) {
    const std::vector<Token> tokens = Tokenize(oracleSql);
    Translation t;
    t.binds = CollectBinds(tokens);
    try {
        Statement statement = ParseStatement(oracleSql);
        TranslateInto(t, statement, oracleSql, ctx);
    } catch (const OracleError& e) {
        if (StartsBlock(tokens) && e.code() != 6550)
            throw CompileError(e, oracleSql, tokens);
        throw;
    }
    return t;
}

} // namespace orasql
