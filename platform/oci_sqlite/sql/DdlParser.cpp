// Schema statements: CREATE / DROP of tables, indexes, sequences, procedures and users, and the
// ALTER forms the engine knows (session settings, user passwords). Oracle's storage clauses after
// a table's column list are read and dropped: a one-file database has no tablespaces.
#include "platform/oci_sqlite/sql/ParserCore.h"

namespace orasql {
namespace {

// Oracle's SQL command codes of the engine statements built here.
constexpr unsigned kCreateUser = 19, kAlterUser = 53, kAlterSession = 52, kGrantObject = 17,
                   kRevokeObject = 18;

// A length, precision or scale: a plain integer of a few digits, else Oracle's error for it.
int SizeNumber(ParserCore& p, int code, const char* text) {
    const Token& t = p.Peek();
    if (t.kind != TokenKind::Number || t.text.size() > 5 ||
        t.text.find_first_not_of("0123456789") != std::string::npos)
        p.Fail(code, text);
    return std::stoi(p.Advance().text);
}

ColumnInfo ParseColumnType(ParserCore& p) {
    ColumnInfo c;
    const Token& t = p.Peek();
    if (t.kind != TokenKind::Identifier)
        p.Fail(902, "invalid datatype");
    std::string type = p.Advance().text;
    if (type == "VARCHAR")
        type = "VARCHAR2";
    if (type == "INT" || type == "SMALLINT")
        type = "INTEGER";
    if (type == "VARCHAR2" || type == "CHAR") {
        c.oracleType = type;
        c.length = 1;
        if (p.AcceptSymbol("(")) {
            c.length = SizeNumber(p, 910, "specified length too long for its datatype");
            if (!p.AcceptWord("BYTE"))
                p.AcceptWord("CHAR");
            p.ExpectSymbol(")", 907, "missing right parenthesis");
        } else if (type == "VARCHAR2") {
            p.Fail(906, "missing left parenthesis");
        }
        const int maximum = type == "CHAR" ? 2000 : 4000;
        if (c.length < 1 || c.length > maximum)
            p.Fail(910, "specified length too long for its datatype");
    } else if (type == "NUMBER" || type == "DECIMAL" || type == "NUMERIC") {
        c.oracleType = "NUMBER";
        if (p.AcceptSymbol("(")) {
            if (p.AcceptSymbol("*"))
                c.precision = 38;
            else
                c.precision = SizeNumber(p, 1727, "numeric precision specifier is out of range (1 to 38)");
            if (c.precision < 1 || c.precision > 38)
                p.Fail(1727, "numeric precision specifier is out of range (1 to 38)");
            c.hasScale = true;
            if (p.AcceptSymbol(",")) {
                const bool negative = p.AcceptSymbol("-");
                c.scale = SizeNumber(p, 1728, "numeric scale specifier is out of range (-84 to 127)") *
                          (negative ? -1 : 1);
                if (c.scale < -84 || c.scale > 127)
                    p.Fail(1728, "numeric scale specifier is out of range (-84 to 127)");
            }
            p.ExpectSymbol(")", 907, "missing right parenthesis");
        }
    } else if (type == "INTEGER") {
        c.oracleType = "INTEGER";
        c.precision = 38;
        c.hasScale = true;
    } else if (type == "DATE") {
        c.oracleType = "DATE";
    } else {
        p.FailAt(902, "invalid datatype", t.offset);
    }
    return c;
}

std::vector<std::string> ParseNameList(ParserCore& p) {
    std::vector<std::string> names;
    p.ExpectSymbol("(", 906, "missing left parenthesis");
    do {
        names.push_back(p.ExpectName());
        if (!p.AcceptWord("ASC"))
            p.AcceptWord("DESC");
    } while (p.AcceptSymbol(","));
    p.ExpectSymbol(")", 907, "missing right parenthesis");
    return names;
}

void SkipParenthesised(ParserCore& p) {
    p.ExpectSymbol("(", 906, "missing left parenthesis");
    for (int depth = 1; depth > 0;) {
        if (p.AtEnd())
            p.Fail(907, "missing right parenthesis");
        const Token& t = p.Advance();
        depth += t.IsSymbol("(") ? 1 : t.IsSymbol(")") ? -1 : 0;
    }
}

void ParseColumnClauses(ParserCore& p, ColumnDef& col) {
    for (;;) {
        if (p.AcceptWord("DEFAULT")) {
            col.defaultValue = p.ParseExpr();
        } else if (p.AcceptWord("GENERATED")) {
            if (p.AcceptWord("ALWAYS")) {
            } else {
                p.ExpectWord("BY", 905, "missing keyword");
                p.ExpectWord("DEFAULT", 905, "missing keyword");
                if (p.AcceptWord("ON"))
                    p.ExpectWord("NULL", 905, "missing keyword");
            }
            p.ExpectWord("AS", 905, "missing keyword");
            p.ExpectWord("IDENTITY", 905, "missing keyword");
            if (p.PeekSymbol("("))
                SkipParenthesised(p);
            col.identity = true;
            col.info.notNull = true;
        } else if (p.AcceptWord("CONSTRAINT")) {
            p.ExpectName();
        } else if (p.AcceptWord("NOT")) {
            p.ExpectWord("NULL", 908, "missing NULL keyword");
            col.info.notNull = true;
        } else if (p.AcceptWord("NULL")) {
        } else if (p.AcceptWord("PRIMARY")) {
            p.ExpectWord("KEY", 905, "missing keyword");
            col.primaryKey = true;
            col.info.notNull = true;
        } else if (p.AcceptWord("UNIQUE")) {
            col.unique = true;
        } else {
            return;
        }
    }
}

Statement ParseCreateTable(ParserCore& p) {
    CreateTableStmt s;
    s.name = p.ExpectName(903, "invalid table name");
    if (p.AcceptSymbol("."))
        s.name = p.ExpectName(903, "invalid table name");
    p.ExpectSymbol("(", 906, "missing left parenthesis");
    do {
        if (p.PeekWord("CONSTRAINT") || p.PeekWord("PRIMARY") || p.PeekWord("UNIQUE")) {
            TableConstraint c;
            if (p.AcceptWord("CONSTRAINT"))
                c.name = p.ExpectName();
            if (p.AcceptWord("PRIMARY")) {
                p.ExpectWord("KEY", 905, "missing keyword");
                c.kind = "PRIMARY KEY";
            } else {
                p.ExpectWord("UNIQUE", 902, "invalid datatype");
                c.kind = "UNIQUE";
            }
            c.columns = ParseNameList(p);
            s.constraints.push_back(std::move(c));
            continue;
        }
        ColumnDef col;
        const std::string name = p.ExpectName();
        col.info = ParseColumnType(p);
        col.info.name = name;
        ParseColumnClauses(p, col);
        s.columns.push_back(std::move(col));
    } while (p.AcceptSymbol(","));
    p.ExpectSymbol(")", 907, "missing right parenthesis");
    while (!p.AtEnd() && !p.PeekSymbol(";"))
        p.Advance();
    p.ExpectEnd();
    return s;
}

Statement ParseCreateIndex(ParserCore& p, bool unique) {
    CreateIndexStmt s;
    s.unique = unique;
    s.name = p.ExpectName();
    if (p.AcceptSymbol("."))
        s.name = p.ExpectName();
    p.ExpectWord("ON", 969, "missing ON keyword");
    s.table = p.ExpectName(903, "invalid table name");
    s.columns = ParseNameList(p);
    while (!p.AtEnd() && !p.PeekSymbol(";"))
        p.Advance();
    p.ExpectEnd();
    return s;
}

// A sequence's start or step: a whole number that fits in 64 bits, so the engine may read it as one.
std::string SignedNumber(ParserCore& p) {
    const bool negative = p.AcceptSymbol("-");
    const Token& t = p.Peek();
    if (t.kind != TokenKind::Number || t.text.size() > 18 ||
        t.text.find_first_not_of("0123456789") != std::string::npos)
        p.Fail(922, "missing or invalid option");
    return (negative ? "-" : "") + p.Advance().text;
}

Statement ParseCreateSequence(ParserCore& p) {
    CreateSequenceStmt s;
    s.name = p.ExpectName();
    while (!p.AtEnd() && !p.PeekSymbol(";")) {
        if (p.AcceptWord("START")) {
            p.ExpectWord("WITH", 905, "missing keyword");
            s.startWith = SignedNumber(p);
        } else if (p.AcceptWord("INCREMENT")) {
            p.ExpectWord("BY", 905, "missing keyword");
            s.incrementBy = SignedNumber(p);
        } else if (p.AcceptWord("MINVALUE") || p.AcceptWord("MAXVALUE") || p.AcceptWord("CACHE")) {
            SignedNumber(p);
        } else if (p.Peek().kind == TokenKind::Identifier) {
            p.Advance(); // NOCACHE, NOCYCLE, ORDER, ...
        } else {
            p.Fail(922, "missing or invalid option");
        }
    }
    p.ExpectEnd();
    return s;
}

} // namespace

Statement ParserCore::ParseCreate() {
    Advance(); // CREATE
    if (AcceptWord("OR")) {
        ExpectWord("REPLACE", 922, "missing or invalid option");
    }
    if (AcceptWord("TABLE"))
        return ParseCreateTable(*this);
    if (AcceptWord("UNIQUE")) {
        ExpectWord("INDEX", 901, "invalid CREATE command");
        return ParseCreateIndex(*this, true);
    }
    if (AcceptWord("INDEX"))
        return ParseCreateIndex(*this, false);
    if (AcceptWord("SEQUENCE"))
        return ParseCreateSequence(*this);
    if (PeekWord("PROCEDURE"))
        return CreateProcedureStmt{ParseProcedure()};
    if (AcceptWord("USER")) {
        EngineStmt s{Action::CreateUser, StatementType::Create, kCreateUser, {}};
        s.args["user"] = ExpectName();
        ExpectWord("IDENTIFIED", 922, "missing or invalid option");
        ExpectWord("BY", 922, "missing or invalid option");
        s.args["password"] = ExpectPassword();
        while (!AtEnd() && !PeekSymbol(";"))
            Advance();
        ExpectEnd();
        return s;
    }
    Fail(901, "invalid CREATE command");
}

Statement ParserCore::ParseDrop() {
    Advance(); // DROP
    DropStmt s;
    if (Peek().kind != TokenKind::Identifier)
        Fail(950, "invalid DROP option");
    s.objectType = Advance().text;
    if (s.objectType != "TABLE" && s.objectType != "INDEX" && s.objectType != "SEQUENCE" &&
        s.objectType != "PROCEDURE")
        Fail(950, "invalid DROP option");
    s.name = ExpectName();
    if (AcceptSymbol("."))
        s.name = ExpectName();
    if (AcceptWord("CASCADE"))
        AcceptWord("CONSTRAINTS");
    AcceptWord("PURGE");
    ExpectEnd();
    return s;
}

// GRANT privilege, ... ON object TO grantee, ... and REVOKE ... FROM: the lists go comma-separated
// into the arguments. System privileges (no ON) are not the engine's.
Statement ParserCore::ParseGrant() {
    const bool revoke = Advance().IsWord("REVOKE");
    EngineStmt s{Action::Grant, StatementType::Unknown, revoke ? kRevokeObject : kGrantObject, {}};
    s.args["revoke"] = revoke ? "1" : "0";
    std::string privileges;
    do { // SELECT, INSERT, ALL are reserved words, so any word is taken here
        const Token& privilege = Advance();
        if (privilege.kind != TokenKind::Identifier)
            Fail(990, "missing or invalid privilege");
        if (privilege.text == "ALL")
            AcceptWord("PRIVILEGES");
        privileges += (privileges.empty() ? "" : ",") + privilege.text;
    } while (AcceptSymbol(","));
    if (!AcceptWord("ON"))
        Fail(3001, "unimplemented feature");
    s.args["privileges"] = privileges;
    std::string object = ExpectName(903, "invalid table name");
    if (AcceptSymbol(".")) // the schema: the engine has one namespace
        object = ExpectName(903, "invalid table name");
    s.args["object"] = object;
    if (revoke)
        ExpectWord("FROM", 905, "missing keyword");
    else
        ExpectWord("TO", 946, "missing TO keyword");
    std::string grantees;
    do {
        const std::string grantee =
            PeekWord("PUBLIC") ? Advance().text : ExpectName(987, "missing or invalid username(s)");
        grantees += (grantees.empty() ? "" : ",") + grantee;
    } while (AcceptSymbol(","));
    s.args["grantees"] = grantees;
    ExpectEnd();
    return s;
}

Statement ParserCore::ParseAlter() {
    Advance(); // ALTER
    if (AcceptWord("SESSION")) {
        ExpectWord("SET", 922, "missing or invalid option");
        EngineStmt s{Action::AlterSession, StatementType::Alter, kAlterSession, {}};
        s.args["parameter"] = ExpectName(922, "missing or invalid option");
        ExpectSymbol("=", 922, "missing or invalid option");
        // A value may be a quoted text, a word, or several words (isolation_level = read committed).
        std::string value;
        while (!AtEnd() && !PeekSymbol(";")) {
            const Token& t = Advance();
            value += (value.empty() || t.kind == TokenKind::String ? "" : " ") + t.text;
        }
        if (value.empty())
            Fail(922, "missing or invalid option");
        s.args["value"] = value;
        ExpectEnd();
        return s;
    }
    if (AcceptWord("USER")) {
        EngineStmt s{Action::AlterUserPassword, StatementType::Alter, kAlterUser, {}};
        s.args["user"] = ExpectName();
        if (AcceptWord("IDENTIFIED")) {
            ExpectWord("BY", 922, "missing or invalid option");
            s.args["password"] = ExpectPassword();
            if (AcceptWord("REPLACE"))
                s.args["old"] = ExpectPassword();
        } else if (AcceptWord("PASSWORD")) {
            if (AcceptWord("GRACE")) {
                // The engine's own extension: the password expires after a grace of N days (default 7).
                s.action = Action::AlterUserGrace;
                if (Peek().kind == TokenKind::Number)
                    s.args["days"] = Advance().text;
            } else {
                ExpectWord("EXPIRE", 922, "missing or invalid option");
                s.action = Action::AlterUserExpire;
            }
        } else if (AcceptWord("ACCOUNT")) {
            s.action = Action::AlterUserAccount;
            const bool lock = AcceptWord("LOCK");
            if (!lock)
                ExpectWord("UNLOCK", 922, "missing or invalid option");
            s.args["lock"] = lock ? "1" : "0";
        } else {
            Fail(922, "missing or invalid option");
        }
        ExpectEnd();
        return s;
    }
    Fail(940, "invalid ALTER command");
}

} // namespace orasql
