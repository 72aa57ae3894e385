// The boundary between the embedded engine and its SQL translator: the engine hands an Oracle
// statement text and its session context in, and gets back what to run on SQLite or which engine
// action to take. Translation is a pure function of text and context, so the engine may cache it.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orasql {

// Oracle statement type codes, as OCI_ATTR_STMT_TYPE reports them.
enum class StatementType : int {
    Unknown = 0,
    Select = 1,
    Update = 2,
    Delete = 3,
    Insert = 4,
    Create = 5,
    Drop = 6,
    Alter = 7,
    Begin = 8,
    Declare = 9
};

// What the engine must do with a statement.
enum class Action {
    RunSqlite,
    Commit,
    Rollback,
    Savepoint,
    RollbackToSavepoint,
    AlterSession,
    CreateUser,
    AlterUserPassword,
    AlterUserExpire,
    AlterUserGrace,
    AlterUserAccount, // args "lock": "1" locks, "0" unlocks
    Grant,            // GRANT and REVOKE
    CreateSequence,
    DropSequence,
    CreateProcedure,
    CallProcedure,
    DropProcedure,
    LockTable // args "table", "wait": -1 waits as writers do, 0 NOWAIT, n WAIT n
};

struct ColumnInfo {
    std::string name;
    std::string oracleType; // VARCHAR2, CHAR, NUMBER, INTEGER, DATE
    int length = 0;
    int precision = 0;
    int scale = 0;
    bool hasScale = false;
    bool notNull = false;
};

struct TableInfo {
    std::string name; // as stored, so that a quoted name's case can be told apart
    std::vector<ColumnInfo> columns;
};

// The engine's view of its schema; names are passed in upper case.
class Catalog {
public:
    virtual ~Catalog() = default;
    virtual std::optional<TableInfo> FindTable(const std::string& upperName) const = 0;
    virtual bool SequenceExists(const std::string& upperName) const = 0;
};

struct Context {
    const Catalog* catalog = nullptr;
    std::string user; // upper case
    std::string nlsDateFormat = "DD.MM.YYYY";
};

struct Translation {
    StatementType type = StatementType::Unknown;
    unsigned sqlFunctionCode = 0; // OCI_ATTR_SQLFNCODE value
    Action action = Action::RunSqlite;
    bool ddl = false;                // commits the open transaction first
    std::vector<std::string> sqlite; // SQLite statements to run in order (RunSqlite; also DDL side tables)
    std::vector<std::string>
        binds; // Oracle bind names (upper case, without ':'), each once, in first-use order
    std::map<std::string, std::string> args; // operands of engine actions: "name", "user", "password", ...
    std::string returningRowidBind;          // INSERT/UPDATE ... RETURNING rowid INTO :v -> "V"
    // SELECT: the result columns with their Oracle types as far as the translator knows them
    // (oracleType "DATE", "NUMBER", "VARCHAR2", "CHAR", "INTEGER", "ROWID", or "" when unknown).
    std::vector<ColumnInfo> columns;
    bool forUpdate = false;   // SELECT ... FOR UPDATE: locks lockTables until the transaction ends
    int lockWaitSeconds = -1; // -1 waits as long as writers do, 0 NOWAIT, n WAIT n
    // The tables a FOR UPDATE or a change locks until the transaction ends (names as written).
    std::vector<std::string> lockTables;
};

// Error with Oracle's code and full message text ("ORA-00942: table or view does not exist") and the
// 0-based offset in the Oracle text where parsing failed (OCI_ATTR_PARSE_ERROR_OFFSET), -1 otherwise.
class OracleError : public std::runtime_error {
public:
    OracleError(int code, std::string message, int offset = -1);
    int code() const { return code_; }
    int offset() const { return offset_; }

private:
    int code_;
    int offset_;
};

// Throws OracleError with the text "ORA-NNNNN: " + text.
[[noreturn]] void ThrowOracleError(int code, std::string_view text, int offset = -1);

// SQL functions the engine registers on its connection and the translator's output calls: a ROWID
// text of Oracle's form is turned into the SQLite rowid it stands for, and back.
inline constexpr const char* kRowidDecodeFunction = "ora_rowid_decode"; // (text) -> integer rowid or NULL
inline constexpr const char* kRowidEncodeFunction = "ora_rowid_encode"; // (table name, rowid) -> text
// Sequences live in the engine's catalog and are not undone by a rollback, so the engine serves them.
inline constexpr const char* kNextvalFunction = "ora_nextval"; // (sequence name) -> next value
inline constexpr const char* kCurrvalFunction = "ora_currval"; // (sequence name) -> value of this session

// The SQLite declared type a column is created with ("VARCHAR2(30)", "NUMBER(9,2)", "DATE", ...)
// and back, so that a Catalog over PRAGMA table_info gives the Oracle types (notNull left to it).
std::string DeclaredType(const ColumnInfo& column);
ColumnInfo ParseDeclaredType(std::string_view declaredType);

Translation Translate(std::string_view oracleSql, const Context& ctx);

} // namespace orasql
