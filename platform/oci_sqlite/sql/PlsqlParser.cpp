// The procedure language: CREATE PROCEDURE with IN / OUT parameters and local variables, and
// anonymous blocks. Statements: SQL (SELECT ... INTO, INSERT, UPDATE, DELETE), assignment, IF /
// ELSIF / ELSE, COMMIT, ROLLBACK, NULL, RAISE_APPLICATION_ERROR and procedure calls.
#include "platform/oci_sqlite/sql/ParserCore.h"
#include "platform/oci_sqlite/sql/PlsqlErrors.h"

namespace orasql {

ProcedurePtr ParserCore::ParseProcedure() {
    ExpectWord("PROCEDURE", 901, "invalid CREATE command");
    auto proc = std::make_shared<Procedure>();
    proc->name = ExpectName();
    if (AcceptSymbol(".")) // schema prefix
        proc->name = ExpectName();
    if (AcceptSymbol("(")) {
        do
            proc->params.push_back(ParseVariable(true));
        while (AcceptSymbol(","));
        ExpectSymbol(")", 907, "missing right parenthesis");
    }
    if (!AcceptWord("AS") && !AcceptWord("IS"))
        Fail(905, "missing keyword");
    proc->block.locals = ParseDeclarations();
    ExpectWord("BEGIN", 905, "missing keyword");
    proc->block.body = ParsePlBody({"END"});
    ExpectWord("END", 905, "missing keyword");
    if (PeekName())
        Advance();
    AcceptSymbol(";");
    AcceptSymbol("/");
    if (!AtEnd())
        Fail(933, "SQL command not properly ended");
    return proc;
}

std::shared_ptr<const Block> ParserCore::ParseAnonymousBlock() {
    auto block = std::make_shared<Block>();
    if (AcceptWord("DECLARE"))
        block->locals = ParseDeclarations();
    ExpectWord("BEGIN", 905, "missing keyword");
    block->body = ParsePlBody({"END"});
    ExpectWord("END", 905, "missing keyword");
    AcceptSymbol(";");
    AcceptSymbol("/");
    if (!AtEnd())
        Fail(933, "SQL command not properly ended");
    return block;
}

std::vector<Variable> ParserCore::ParseDeclarations() {
    std::vector<Variable> locals;
    while (!PeekWord("BEGIN") && !AtEnd()) {
        locals.push_back(ParseVariable(false));
        ExpectSymbol(";", 905, "missing keyword");
    }
    return locals;
}

Variable ParserCore::ParseVariable(bool parameter) {
    Variable v;
    v.name = ExpectName();
    if (parameter) {
        if (AcceptWord("IN"))
            v.mode = AcceptWord("OUT") ? ParamMode::InOut : ParamMode::In;
        else if (AcceptWord("OUT"))
            v.mode = ParamMode::Out;
    }
    v.type = ParseTypeName();
    if (AcceptWord("NOT"))
        ExpectWord("NULL", 908, "missing NULL keyword");
    if (AcceptSymbol(":=") || AcceptWord("DEFAULT"))
        v.initial = ParseExpr();
    return v;
}

std::string ParserCore::ParseTypeName() {
    if (Peek().kind != TokenKind::Identifier)
        Fail(902, "invalid datatype");
    std::string type = Advance().text;
    while (AcceptSymbol(".")) // table.column%TYPE
        type += "." + ExpectName();
    if (AcceptSymbol("%"))
        type += "%" + ExpectName();
    if (AcceptSymbol("(")) { // kept as written: a character variable's length bounds what it holds
        std::string size;
        while (!AcceptSymbol(")")) {
            if (AtEnd())
                Fail(907, "missing right parenthesis");
            size += (size.empty() ? "" : " ") + Advance().text;
        }
        type += "(" + size + ")";
    }
    return type;
}

PlBody ParserCore::ParsePlBody(std::initializer_list<std::string_view> terminators) {
    PlBody body;
    for (;;) {
        if (AtEnd())
            Fail(905, "missing keyword");
        for (std::string_view t : terminators)
            if (PeekWord(t))
                return body;
        body.push_back(ParsePlStatement());
    }
}

PlStmt ParserCore::ParsePlStatement() {
    const Token& first = Peek();
    PlStmt s;
    std::tie(s.line, s.column) = LineAndColumn(sql_, first.offset);
    if (first.IsWord("IF")) {
        PlStmt branch = ParseIf();
        branch.line = s.line;
        branch.column = s.column;
        return branch;
    }
    if (AcceptWord("NULL")) {
        s.kind = PlKind::Null;
    } else if (AcceptWord("COMMIT")) {
        AcceptWord("WORK");
        s.kind = PlKind::Commit;
    } else if (AcceptWord("ROLLBACK")) {
        AcceptWord("WORK");
        s.kind = PlKind::Rollback;
    } else if (first.IsWord("SELECT") || first.IsWord("WITH")) {
        s.kind = PlKind::Sql;
        s.sql = std::make_shared<Statement>(ParseQuery());
    } else if (first.IsWord("INSERT")) {
        s.kind = PlKind::Sql;
        s.sql = std::make_shared<Statement>(ParseInsert());
    } else if (first.IsWord("UPDATE")) {
        s.kind = PlKind::Sql;
        s.sql = std::make_shared<Statement>(ParseUpdate());
    } else if (first.IsWord("DELETE")) {
        s.kind = PlKind::Sql;
        s.sql = std::make_shared<Statement>(ParseDelete());
    } else if (first.kind == TokenKind::Bind && Peek(1).IsSymbol(":=")) { // an OUT bind of the block
        s.kind = PlKind::Assign;
        s.target = Advance().text;
        s.bindTarget = true;
        Advance();
        s.args.push_back(ParseExpr());
    } else if (PeekName()) {
        std::string name = Advance().text;
        if (AcceptSymbol(".")) // schema prefix of a procedure
            name = ExpectName();
        if (AcceptSymbol(":=")) {
            s.kind = PlKind::Assign;
            s.target = name;
            s.args.push_back(ParseExpr());
        } else {
            s.kind = name == "RAISE_APPLICATION_ERROR" ? PlKind::RaiseError : PlKind::Call;
            s.target = name;
            if (AcceptSymbol("(") && !AcceptSymbol(")")) {
                do
                    s.args.push_back(ParseExpr());
                while (AcceptSymbol(","));
                ExpectSymbol(")", 907, "missing right parenthesis");
            }
        }
    } else {
        Fail(900, "invalid SQL statement");
    }
    ExpectSymbol(";", 933, "SQL command not properly ended");
    return s;
}

PlStmt ParserCore::ParseIf() {
    NestingGuard guard(*this, 1);
    PlStmt s;
    s.kind = PlKind::If;
    Advance(); // IF
    do {
        PlBranch branch;
        branch.condition = ParseExpr();
        ExpectWord("THEN", 905, "missing keyword");
        branch.body = ParsePlBody({"ELSIF", "ELSE", "END"});
        s.branches.push_back(std::move(branch));
    } while (AcceptWord("ELSIF"));
    if (AcceptWord("ELSE")) {
        PlBranch branch;
        branch.body = ParsePlBody({"END"});
        s.branches.push_back(std::move(branch));
    }
    ExpectWord("END", 905, "missing keyword");
    ExpectWord("IF", 905, "missing keyword");
    ExpectSymbol(";", 933, "SQL command not properly ended");
    return s;
}

} // namespace orasql
