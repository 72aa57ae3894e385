// Queries and DML of the dialect, and the dispatch on a statement's first word. Transaction
// statements become engine statements here, since SQLite never sees them.
#include "platform/oci_sqlite/sql/Parser.h"
#include "platform/oci_sqlite/sql/ParserCore.h"

namespace orasql {

Statement ParseStatement(std::string_view sql) {
    ParserCore parser(sql, Tokenize(sql));
    return parser.ParseTopLevel();
}

namespace {

EngineStmt MakeEngine(Action action, StatementType type, unsigned code) {
    return EngineStmt{action, type, code, {}};
}

} // namespace

Statement ParserCore::ParseTopLevel() {
    const Token& first = Peek();
    if (first.IsWord("SELECT") || first.IsWord("WITH") || first.IsSymbol("(")) {
        QueryPtr q = ParseQuery();
        ExpectEnd();
        return q;
    }
    if (first.IsWord("INSERT")) {
        InsertStmt s = ParseInsert();
        ExpectEnd();
        return s;
    }
    if (first.IsWord("UPDATE")) {
        UpdateStmt s = ParseUpdate();
        ExpectEnd();
        return s;
    }
    if (first.IsWord("DELETE")) {
        DeleteStmt s = ParseDelete();
        ExpectEnd();
        return s;
    }
    if (first.IsWord("CREATE"))
        return ParseCreate();
    if (first.IsWord("DROP"))
        return ParseDrop();
    if (first.IsWord("ALTER"))
        return ParseAlter();
    if (first.IsWord("BEGIN") || first.IsWord("DECLARE"))
        return BlockStmt{ParseAnonymousBlock()};
    if (AcceptWord("COMMIT")) {
        AcceptWord("WORK");
        ExpectEnd();
        return MakeEngine(Action::Commit, StatementType::Unknown, 54);
    }
    if (AcceptWord("ROLLBACK")) {
        AcceptWord("WORK");
        EngineStmt s = MakeEngine(Action::Rollback, StatementType::Unknown, 55);
        if (AcceptWord("TO")) {
            AcceptWord("SAVEPOINT");
            s.action = Action::RollbackToSavepoint;
            s.args["name"] = ExpectName();
        }
        ExpectEnd();
        return s;
    }
    if (AcceptWord("SAVEPOINT")) {
        EngineStmt s = MakeEngine(Action::Savepoint, StatementType::Unknown, 56);
        s.args["name"] = ExpectName();
        ExpectEnd();
        return s;
    }
    if (AcceptWord("LOCK"))
        return ParseLockTable();
    if (first.IsWord("GRANT") || first.IsWord("REVOKE"))
        return ParseGrant();
    Fail(900, "invalid SQL statement");
}

// LOCK TABLE t IN mode MODE [NOWAIT | WAIT n]: the engine's table lock is exclusive whatever the
// mode, which keeps apart at least what Oracle keeps apart.
Statement ParserCore::ParseLockTable() {
    ExpectWord("TABLE", 905, "missing keyword");
    EngineStmt s = MakeEngine(Action::LockTable, StatementType::Unknown, 26);
    s.args["table"] = ExpectName();
    ExpectWord("IN", 905, "missing keyword");
    while (!AtEnd() && !Peek().IsWord("MODE"))
        Advance();
    ExpectWord("MODE", 905, "missing keyword");
    s.args["wait"] = "-1";
    if (AcceptWord("NOWAIT"))
        s.args["wait"] = "0";
    else if (AcceptWord("WAIT"))
        s.args["wait"] = std::to_string(ParseWaitSeconds());
    ExpectEnd();
    return s;
}

int ParserCore::ParseWaitSeconds() {
    const Token& t = Peek();
    if (t.kind != TokenKind::Number || t.text.size() > 6 ||
        t.text.find_first_not_of("0123456789") != std::string::npos)
        Fail(30005, "missing or invalid WAIT interval");
    return std::stoi(Advance().text);
}

QueryPtr ParserCore::ParseQuery() {
    NestingGuard guard(*this, 1);
    auto q = std::make_unique<Query>();
    if (AcceptWord("WITH"))
        ParseWith(*q);
    q->cores.push_back(ParseSelectCore());
    for (;;) {
        std::string op;
        if (AcceptWord("UNION"))
            op = AcceptWord("ALL") ? "UNION ALL" : "UNION";
        else if (AcceptWord("MINUS"))
            op = "MINUS";
        else if (AcceptWord("INTERSECT"))
            op = "INTERSECT";
        else
            break;
        q->setOps.push_back(op);
        q->cores.push_back(ParseSelectCore());
    }
    ParseOrderBy(*q);
    ParseRowLimit(*q);
    if (AcceptWord("FOR")) {
        ExpectWord("UPDATE", 905, "missing keyword");
        q->forUpdate = true;
        if (AcceptWord("OF")) {
            do
                ParseExpr();
            while (AcceptSymbol(","));
        }
        if (AcceptWord("NOWAIT")) {
            q->lockWaitSeconds = 0;
        } else if (AcceptWord("WAIT")) {
            q->lockWaitSeconds = ParseWaitSeconds();
        }
    }
    return q;
}

SelectCore ParserCore::ParseSelectCore() {
    SelectCore core;
    if (AcceptSymbol("(")) {
        // A parenthesised branch of a compound query: keep it as a FROM-less wrapper.
        auto inner = ParseQuery();
        ExpectSymbol(")", 907, "missing right parenthesis");
        auto star = MakeExpr(ExprKind::Star, "", 0);
        core.items.push_back(SelectItem{std::move(star), ""});
        TableRef ref;
        ref.subquery = std::move(inner);
        core.from.push_back(std::move(ref));
        return core;
    }
    ExpectWord("SELECT", 928, "missing SELECT keyword");
    if (AcceptWord("DISTINCT") || AcceptWord("UNIQUE"))
        core.distinct = true;
    else
        AcceptWord("ALL");
    ParseSelectList(core);
    if (AcceptWord("INTO")) {
        do {
            std::string name = ExpectName();
            if (AcceptSymbol("."))
                name = ExpectName();
            core.into.push_back(name);
        } while (AcceptSymbol(","));
    }
    if (!AcceptWord("FROM"))
        Fail(923, "FROM keyword not found where expected");
    ParseFrom(core);
    if (AcceptWord("WHERE"))
        core.where = ParseExpr();
    if (AcceptWord("GROUP")) {
        ExpectWord("BY", 924, "missing BY keyword");
        do
            core.groupBy.push_back(ParseExpr());
        while (AcceptSymbol(","));
    }
    if (AcceptWord("HAVING"))
        core.having = ParseExpr();
    return core;
}

void ParserCore::ParseSelectList(SelectCore& core) {
    do {
        SelectItem item;
        item.expr = ParseExpr();
        item.alias = ParseAlias();
        core.items.push_back(std::move(item));
    } while (AcceptSymbol(","));
}

std::string ParserCore::ParseAlias() {
    if (AcceptWord("AS"))
        return ExpectName(923, "FROM keyword not found where expected");
    if (PeekAlias())
        return Advance().text;
    return "";
}

// OFFSET and FETCH are no reserved words, but where a row limit begins they are no alias either.
bool ParserCore::PeekAlias() const {
    if (PeekWord("FETCH") && (PeekWord("FIRST", 1) || PeekWord("NEXT", 1)))
        return false;
    if (PeekWord("OFFSET") && (Peek(1).kind == TokenKind::Number || Peek(1).kind == TokenKind::Bind))
        return false;
    return PeekName();
}

// WITH name [(column, ...)] AS (query), ...
void ParserCore::ParseWith(Query& q) {
    do {
        NamedQuery named;
        named.name = ExpectName();
        if (AcceptSymbol("(")) {
            do
                named.columns.push_back(ExpectName());
            while (AcceptSymbol(","));
            ExpectSymbol(")", 907, "missing right parenthesis");
        }
        ExpectWord("AS", 905, "missing keyword");
        ExpectSymbol("(", 906, "missing left parenthesis");
        named.query = ParseQuery();
        ExpectSymbol(")", 907, "missing right parenthesis");
        q.with.push_back(std::move(named));
    } while (AcceptSymbol(","));
}

void ParserCore::ParseFrom(SelectCore& core) {
    core.from.push_back(ParseTableRef());
    for (;;) {
        if (AcceptSymbol(",")) {
            core.from.push_back(ParseTableRef());
            continue;
        }
        JoinKind kind;
        if (AcceptWord("LEFT")) {
            AcceptWord("OUTER");
            kind = JoinKind::Left;
        } else if (AcceptWord("INNER")) {
            kind = JoinKind::Inner;
        } else if (PeekWord("JOIN")) {
            kind = JoinKind::Inner;
        } else {
            return;
        }
        ExpectWord("JOIN", 905, "missing keyword");
        TableRef ref = ParseTableRef();
        ref.join = kind;
        ExpectWord("ON", 905, "missing keyword");
        ref.on = ParseExpr();
        core.from.push_back(std::move(ref));
    }
}

TableRef ParserCore::ParseTableRef() {
    TableRef ref;
    ref.offset = Peek().offset;
    if (AcceptSymbol("(")) {
        ref.subquery = ParseQuery();
        ExpectSymbol(")", 907, "missing right parenthesis");
    } else {
        ref.name = ExpectName(903, "invalid table name");
        if (AcceptSymbol("."))
            ref.name = ExpectName(903, "invalid table name"); // schema prefix
    }
    if (PeekAlias())
        ref.alias = Advance().text;
    return ref;
}

void ParserCore::ParseOrderBy(Query& q) {
    if (!AcceptWord("ORDER"))
        return;
    ExpectWord("BY", 924, "missing BY keyword");
    q.orderBy = ParseOrderItems();
}

std::vector<OrderItem> ParserCore::ParseOrderItems() {
    std::vector<OrderItem> items;
    do {
        OrderItem item;
        item.expr = ParseExpr();
        if (AcceptWord("DESC"))
            item.descending = true;
        else
            AcceptWord("ASC");
        if (AcceptWord("NULLS")) {
            if (AcceptWord("FIRST"))
                item.nulls = NullsOrder::First;
            else if (AcceptWord("LAST"))
                item.nulls = NullsOrder::Last;
            else
                Fail(905, "missing keyword");
        }
        items.push_back(std::move(item));
    } while (AcceptSymbol(","));
    return items;
}

// [OFFSET n {ROW | ROWS}] [FETCH {FIRST | NEXT} [n] {ROW | ROWS} ONLY]
void ParserCore::ParseRowLimit(Query& q) {
    auto expectRows = [&] {
        if (!AcceptWord("ROW") && !AcceptWord("ROWS"))
            Fail(905, "missing keyword");
    };
    if (PeekWord("OFFSET") && !PeekAlias()) {
        Advance();
        q.offset = ParseExpr();
        expectRows();
    }
    if (!PeekWord("FETCH") || PeekAlias())
        return;
    Advance();
    if (!AcceptWord("FIRST"))
        ExpectWord("NEXT", 905, "missing keyword");
    q.fetchFirst =
        PeekWord("ROW") || PeekWord("ROWS") ? MakeExpr(ExprKind::Number, "1", Peek().offset) : ParseExpr();
    expectRows();
    ExpectWord("ONLY", 905, "missing keyword");
}

InsertStmt ParserCore::ParseInsert() {
    Advance(); // INSERT
    ExpectWord("INTO", 925, "missing INTO keyword");
    InsertStmt s;
    s.table = ExpectName(903, "invalid table name");
    if (AcceptSymbol("."))
        s.table = ExpectName(903, "invalid table name");
    if (PeekName() && !PeekWord("VALUES"))
        Advance(); // alias
    if (PeekSymbol("(") && !PeekWord("SELECT", 1) && !PeekWord("WITH", 1)) {
        Advance();
        do {
            std::string name = ExpectName();
            if (AcceptSymbol("."))
                name = ExpectName();
            s.columns.push_back(name);
        } while (AcceptSymbol(","));
        ExpectSymbol(")", 907, "missing right parenthesis");
    }
    if (AcceptWord("VALUES")) {
        ExpectSymbol("(", 906, "missing left parenthesis");
        do
            s.values.push_back(ParseExpr());
        while (AcceptSymbol(","));
        ExpectSymbol(")", 907, "missing right parenthesis");
    } else if (PeekWord("SELECT") || PeekWord("WITH") || PeekSymbol("(")) {
        s.query = ParseQuery();
    } else {
        Fail(926, "missing VALUES keyword");
    }
    s.returningRowidBind = ParseReturningRowid();
    return s;
}

std::string ParserCore::ParseReturningRowid() {
    if (!AcceptWord("RETURNING") && !AcceptWord("RETURN"))
        return {};
    if (!AcceptWord("ROWID"))
        Fail(905, "missing keyword");
    ExpectWord("INTO", 925, "missing INTO keyword");
    if (Peek().kind != TokenKind::Bind)
        Fail(905, "missing keyword");
    return Advance().text;
}

UpdateStmt ParserCore::ParseUpdate() {
    Advance(); // UPDATE
    UpdateStmt s;
    s.table = ExpectName(903, "invalid table name");
    if (AcceptSymbol("."))
        s.table = ExpectName(903, "invalid table name");
    if (PeekName())
        s.alias = Advance().text;
    ExpectWord("SET", 971, "missing SET keyword");
    do {
        Assignment a;
        a.column = ExpectName();
        if (AcceptSymbol("."))
            a.column = ExpectName(); // alias.column
        ExpectSymbol("=", 927, "missing equal sign");
        a.value = ParseExpr();
        s.sets.push_back(std::move(a));
    } while (AcceptSymbol(","));
    if (AcceptWord("WHERE"))
        s.where = ParseExpr();
    s.returningRowidBind = ParseReturningRowid();
    return s;
}

DeleteStmt ParserCore::ParseDelete() {
    Advance(); // DELETE
    AcceptWord("FROM");
    DeleteStmt s;
    s.table = ExpectName(903, "invalid table name");
    if (AcceptSymbol("."))
        s.table = ExpectName(903, "invalid table name");
    if (PeekName())
        s.alias = Advance().text;
    if (AcceptWord("WHERE"))
        s.where = ParseExpr();
    return s;
}

} // namespace orasql
