// The procedure-language interpreter. Each call gets a frame of variables; SQL inside a body sees
// them as binds ":V$NAME" (a table column of the same name wins, as in Oracle). A failing leaf
// statement records its line, each call on the way out adds the caller's line.
#include "platform/oci_sqlite/sql/Interpreter.h"

#include "platform/oci_sqlite/sql/Decimal.h"
#include "platform/oci_sqlite/sql/OracleFunctions.h"
#include "platform/oci_sqlite/sql/Parser.h"
#include "platform/oci_sqlite/sql/PlsqlErrors.h"
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orasql {
namespace {

constexpr const char* kBlockSavepoint = "ORA$BLOCK";

struct Frame {
    std::string unit; // "USER.PROC", empty for the anonymous block
    std::map<std::string, SqlValue> variables;
    std::map<std::string, std::string> types; // declared type names, upper case
};

bool IsCharacterType(const std::string& type) {
    const std::string base = type.substr(0, type.find_first_of("(%"));
    return base == "VARCHAR2" || base == "VARCHAR" || base == "CHAR";
}

// The conversion a value undergoes when stored into a variable of a declared type, as a SQL
// expression over the bind ":V"; empty when the value is kept as it is.
std::string ConversionFor(const std::string& type, const std::string& nlsDateFormat) {
    const std::string base = type.substr(0, type.find_first_of("(%"));
    if (base == "DATE")
        return "ora_date_in(:V, " + SqliteEmitter::Literal(nlsDateFormat) + ")";
    if (base == "NUMBER" || base == "INTEGER" || base == "PLS_INTEGER" || base == "BINARY_INTEGER" ||
        base == "FLOAT" || base == "DECIMAL" || base == "NATURAL")
        return "ora_number_in(:V, 0, NULL)";
    if (IsCharacterType(type))
        return "ora_concat(:V)";
    return "";
}

// A character variable holds its declared length in bytes (in characters when declared so), and
// never more than the language's longest string.
void RequireCapacity(const std::string& type, const std::string& text) {
    const size_t open = type.find('(');
    const bool inChars = type.find(" CHAR)") != std::string::npos;
    const size_t declared =
        open == std::string::npos ? kMaxPlsqlTextBytes : std::strtoul(type.c_str() + open + 1, nullptr, 10);
    const size_t used = inChars ? static_cast<size_t>(std::count_if(
                                      text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }))
                                : text.size();
    if (used > declared || text.size() > kMaxPlsqlTextBytes)
        ThrowOracleError(6502, "PL/SQL: numeric or value error: character string buffer too small");
}

std::string TextOf(const SqlValue& v) {
    if (std::holds_alternative<std::string>(v))
        return std::get<std::string>(v);
    if (std::holds_alternative<int64_t>(v))
        return std::to_string(std::get<int64_t>(v));
    if (std::holds_alternative<double>(v))
        return Decimal::FromDouble(std::get<double>(v)).ToOracleText();
    return "";
}

class Interpreter {
public:
    Interpreter(const Context& ctx, Executor& executor, BindMap& binds)
        : ctx_(ctx), executor_(executor), binds_(binds) {}

    void RunAnonymous(const Block& block) {
        Frame frame;
        Check(block, {}, frame.unit);
        InitLocals(block, frame);
        RunBody(block.body, frame);
    }

private:
    // Names are resolved before anything runs, as PL/SQL compiles before it executes.
    void Check(const Block& block, const std::vector<Variable>& params, const std::string& unit) {
        std::set<std::string> declared;
        for (const Variable& p : params)
            declared.insert(p.name);
        for (const Variable& v : block.locals)
            declared.insert(v.name);
        CheckBody(block.body, declared, unit);
    }

    void CheckBody(const PlBody& body, const std::set<std::string>& declared, const std::string& unit) {
        for (const PlStmt& s : body) {
            for (const PlBranch& b : s.branches)
                CheckBody(b.body, declared, unit);
            if (s.kind == PlKind::Assign && !s.bindTarget && !declared.count(s.target))
                throw SemanticError(s.line, s.column,
                                    "PLS-00201: identifier '" + s.target + "' must be declared");
            if (s.kind == PlKind::Call && !executor_.ProcedureSource(s.target))
                throw SemanticError(s.line, s.column,
                                    "PLS-00201: identifier '" + s.target + "' must be declared");
            if (s.kind == PlKind::Sql)
                if (const auto* q = std::get_if<QueryPtr>(s.sql.get()))
                    for (const std::string& target : (*q)->cores[0].into)
                        if (!declared.count(target))
                            throw SemanticError(s.line, s.column,
                                                "PLS-00201: identifier '" + target + "' must be declared");
        }
    }

    void InitLocals(const Block& block, Frame& frame) {
        for (const Variable& v : block.locals)
            Declare(frame, v, v.initial ? Eval(*v.initial, frame) : SqlValue{});
    }

    // Values take the declared type of their variable, as PL/SQL converts on assignment.
    void Store(Frame& frame, const std::string& name, const SqlValue& value) {
        const std::string conversion = ConversionFor(frame.types[name], ctx_.nlsDateFormat);
        if (conversion.empty() || std::holds_alternative<std::monostate>(value)) {
            frame.variables[name] = value;
            return;
        }
        SqlValue converted;
        try {
            converted = executor_.Run("SELECT " + conversion, BindMap{{"V", value}}).at(0).at(0);
        } catch (const OracleError& e) {
            if (e.code() != 1722)
                throw;
            ThrowOracleError(6502, "PL/SQL: numeric or value error: character to number conversion error");
        }
        if (IsCharacterType(frame.types[name]) && std::holds_alternative<std::string>(converted))
            RequireCapacity(frame.types[name], std::get<std::string>(converted));
        frame.variables[name] = std::move(converted);
    }

    void Declare(Frame& frame, const Variable& v, const SqlValue& value) {
        frame.types[v.name] = v.type;
        Store(frame, v.name, value);
    }

    SqliteEmitter EmitterFor(const Frame& frame) {
        std::set<std::string> names;
        for (const auto& [name, value] : frame.variables)
            names.insert(name);
        return SqliteEmitter(ctx_, names);
    }

    BindMap BindsFor(const Frame& frame) {
        BindMap binds = binds_;
        for (const auto& [name, value] : frame.variables)
            binds[SqliteEmitter::VariableBind(name).substr(1)] = value;
        return binds;
    }

    std::vector<SqlRow> Run(const std::string& sql, const Frame& frame) {
        return executor_.Run(sql, BindsFor(frame));
    }

    SqlValue Eval(const Expr& e, Frame& frame) {
        const PlsqlStrings plsqlStrings;
        const std::vector<SqlRow> rows = Run("SELECT " + EmitterFor(frame).EmitStandalone(e), frame);
        return rows.empty() || rows[0].empty() ? SqlValue{} : rows[0][0];
    }

    bool Test(const Expr& e, Frame& frame) {
        const PlsqlStrings plsqlStrings;
        const std::vector<SqlRow> rows = Run("SELECT " + EmitterFor(frame).EmitCondition(e), frame);
        return !rows.empty() && std::holds_alternative<int64_t>(rows[0][0]) &&
               std::get<int64_t>(rows[0][0]) == 1;
    }

    void RunBody(const PlBody& body, Frame& frame) {
        for (const PlStmt& s : body)
            Exec(s, frame);
    }

    std::string TrailLine(const Frame& frame, int line) const {
        if (frame.unit.empty())
            return "ORA-06512: at line " + std::to_string(line);
        return "ORA-06512: at \"" + frame.unit + "\", line " + std::to_string(line);
    }

    void Exec(const PlStmt& s, Frame& frame) {
        if (s.kind == PlKind::If) {
            for (const PlBranch& b : s.branches) {
                if (!b.condition || Test(*b.condition, frame)) {
                    RunBody(b.body, frame);
                    return;
                }
            }
            return;
        }
        try {
            ExecLeaf(s, frame);
        } catch (PlsqlRuntimeError& e) {
            e.trail.push_back(TrailLine(frame, s.line));
            throw;
        } catch (const OracleError& e) {
            if (e.code() == 6550) // a compilation error has no call stack
                throw;
            throw PlsqlRuntimeError{e.code(), e.what(), {TrailLine(frame, s.line)}};
        }
    }

    void ExecLeaf(const PlStmt& s, Frame& frame) {
        switch (s.kind) {
        case PlKind::Null:
        case PlKind::If:
            return;
        case PlKind::Commit:
            executor_.Commit();
            executor_.Savepoint(kBlockSavepoint);
            return;
        case PlKind::Rollback:
            executor_.Rollback();
            executor_.Savepoint(kBlockSavepoint);
            return;
        case PlKind::Assign:
            if (s.bindTarget)
                binds_[s.target] = Eval(*s.args[0], frame);
            else
                Store(frame, s.target, Eval(*s.args[0], frame));
            return;
        case PlKind::RaiseError:
            RaiseApplicationError(s, frame);
        case PlKind::Call:
            Call(s, frame);
            return;
        case PlKind::Sql:
            RunSql(*s.sql, frame);
            return;
        }
    }

    [[noreturn]] void RaiseApplicationError(const PlStmt& s, Frame& frame) {
        if (s.args.size() < 2)
            throw SemanticError(
                s.line, s.column,
                "PLS-00306: wrong number or types of arguments in call to 'RAISE_APPLICATION_ERROR'");
        const std::string codeText = TextOf(Eval(*s.args[0], frame));
        const std::optional<Decimal> code = Decimal::Parse(codeText);
        if (!code || code->Compare(Decimal::FromInt(-20999)) < 0 ||
            code->Compare(Decimal::FromInt(-20000)) > 0)
            throw OracleError(21000, "ORA-21000: error number argument to raise_application_error of " +
                                         codeText + " is out of range");
        const int number = static_cast<int>(-code->ToInt64Clamped());
        throw PlsqlRuntimeError{
            number, "ORA-" + std::to_string(number) + ": " + TextOf(Eval(*s.args[1], frame)), {}};
    }

    void RunSql(const Statement& statement, Frame& frame) {
        SqliteEmitter emitter = EmitterFor(frame);
        if (const auto* q = std::get_if<QueryPtr>(&statement)) {
            if ((*q)->forUpdate)
                executor_.LockTables(ForUpdateTables(**q), (*q)->lockWaitSeconds, true);
            // Two rows tell "exactly one" from "more than one" without fetching the rest.
            const std::vector<SqlRow> rows = Run(emitter.EmitQuery(**q) + " LIMIT 2", frame);
            const std::vector<std::string>& into = (*q)->cores[0].into;
            if (rows.empty())
                throw OracleError(1403, "ORA-01403: no data found");
            if (rows.size() > 1)
                throw OracleError(1422, "ORA-01422: exact fetch returns more than requested number of rows");
            for (size_t i = 0; i < into.size() && i < rows[0].size(); ++i)
                Store(frame, into[i], rows[0][i]);
        } else if (const auto* ins = std::get_if<InsertStmt>(&statement)) {
            executor_.LockTables({ins->table}, -1, false);
            Run(emitter.EmitInsert(*ins), frame);
        } else if (const auto* upd = std::get_if<UpdateStmt>(&statement)) {
            executor_.LockTables({upd->table}, -1, false);
            Run(emitter.EmitUpdate(*upd), frame);
        } else if (const auto* del = std::get_if<DeleteStmt>(&statement)) {
            executor_.LockTables({del->table}, -1, false);
            Run(emitter.EmitDelete(*del), frame);
        }
    }

    ProcedurePtr Load(const PlStmt& s) {
        const std::optional<std::string> source = executor_.ProcedureSource(s.target);
        if (!source)
            throw SemanticError(s.line, s.column,
                                "PLS-00201: identifier '" + s.target + "' must be declared");
        Statement parsed = ParseStatement(*source);
        return std::get<CreateProcedureStmt>(parsed).procedure;
    }

    void Call(const PlStmt& s, Frame& caller) {
        // Each call nests the interpreter on the host's stack; a runaway recursion must end in an
        // error, not in a crash of the program that embeds the engine.
        constexpr int kMaxCallDepth = 50;
        if (callDepth_ >= kMaxCallDepth)
            ThrowOracleError(36, "maximum number of recursive SQL levels (50) exceeded");
        ++callDepth_;
        struct Unwind {
            int& depth;
            ~Unwind() { --depth; }
        } unwind{callDepth_};
        const ProcedurePtr proc = Load(s);
        const auto wrongArguments = [&] {
            return SemanticError(s.line, s.column,
                                 "PLS-00306: wrong number or types of arguments in call to '" + s.target +
                                     "'");
        };
        if (s.args.size() > proc->params.size())
            throw wrongArguments();
        Frame callee;
        callee.unit = (ctx_.user.empty() ? "" : ctx_.user + ".") + proc->name;
        for (size_t i = 0; i < proc->params.size(); ++i) {
            const Variable& p = proc->params[i];
            if (i >= s.args.size()) {
                if (!p.initial || p.mode != ParamMode::In)
                    throw wrongArguments();
                Declare(callee, p, Eval(*p.initial, callee));
            } else {
                Declare(callee, p, p.mode == ParamMode::Out ? SqlValue{} : Eval(*s.args[i], caller));
            }
        }
        {
            executor_.EnterProcedure(proc->name);
            struct Leave {
                Executor& executor;
                ~Leave() { executor.LeaveProcedure(); }
            } leave{executor_};
            Check(proc->block, proc->params, callee.unit);
            InitLocals(proc->block, callee);
            RunBody(proc->block.body, callee);
        }
        for (size_t i = 0; i < proc->params.size() && i < s.args.size(); ++i) {
            if (proc->params[i].mode == ParamMode::In)
                continue;
            const Expr& target = *s.args[i];
            const SqlValue& value = callee.variables[proc->params[i].name];
            if (target.kind == ExprKind::Bind)
                binds_[target.text] = value;
            else if (target.kind == ExprKind::Column && target.qualifier.empty() &&
                     caller.variables.count(target.text))
                caller.variables[target.text] = value;
            else
                throw SemanticError(s.line, s.column,
                                    "PLS-00363: expression '" + target.sourceText +
                                        "' cannot be used as an assignment target");
        }
    }

    const Context& ctx_;
    Executor& executor_;
    BindMap& binds_;
    int callDepth_ = 0;
};

} // namespace

void RunBlock(std::string_view blockText, BindMap& binds, const Context& ctx, Executor& executor) {
    Statement parsed = [&] {
        try {
            return ParseStatement(blockText);
        } catch (const OracleError& e) {
            throw CompileError(e, blockText, Tokenize(blockText));
        }
    }();
    const auto* block = std::get_if<BlockStmt>(&parsed);
    if (!block)
        throw OracleError(
            6550, "ORA-06550: line 1, column 1:\nPLS-00103: Encountered a statement that is not a block");
    executor.Savepoint(kBlockSavepoint);
    try {
        Interpreter(ctx, executor, binds).RunAnonymous(*block->block);
    } catch (const PlsqlRuntimeError& e) {
        executor.RollbackToSavepoint(kBlockSavepoint);
        throw e.ToOracleError();
    } catch (const OracleError&) {
        executor.RollbackToSavepoint(kBlockSavepoint);
        throw;
    }
}

} // namespace orasql
