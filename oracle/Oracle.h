// The session, the statement and the error classes of the data access layer: TOracleSession owns one
// connection and lends its handles, TOracleQuery runs one statement with named bind variables and
// fetches in batches, EOracleError carries a server error. Client calls go through OracleCI.h.
#pragma once

#include "oracle/OracleCI.h"
#include "oracle/OracleTypes.h"
#include "oracle/OracleVisual.h"
#include "platform/settings/Exceptions.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class TOracleSession;
class TOracleQuery;
class TOracleDataSet;

//! A server error: the client's message (at most 1023 characters) and its Oracle error number.
class EOracleError : public Exception {
public:
    EOracleError(const std::string& message, int errorCode, const void* component, TOracleSession* session);
    int ErrorCode() const { return FErrorCode; }
    //! The session or statement that raised it.
    const void* Component() const { return FComponent; }
    TOracleSession* Session() const { return FSession; }
    //! The element of an array execution that failed (0-based), -1 when none is known.
    int ErrorRow() const { return FErrorRow; }
    void SetErrorRow(int row) { FErrorRow = row; }

private:
    int FErrorCode;
    const void* FComponent;
    TOracleSession* FSession;
    int FErrorRow = -1;
};

//! A server error whose code is in the per-user warning list.
class EOracleWarning : public EOracleError {
public:
    using EOracleError::EOracleError;
};

//! The codes raised as EOracleWarning: keys "1", "2", ... of section "WarningCodes" in the
//! layer's per-user file (UserConfigDir() + "oracle.ini"), read once per process.
const std::vector<int>& OracleWarningCodes();
//! The codes listed in one such file: values "1", "2", ... until the first missing one; a value
//! starting with "*" is skipped.
std::vector<int> ReadOracleWarningCodes(const std::string& fileName);
//! Raises EOracleWarning or EOracleError for the status of a client call on an error handle;
//! OCI_NO_DATA reads as ORA-01403. Must follow the failed call at once: every client call on the
//! error handle clears it.
[[noreturn]] void RaiseOracleError(sword status, OCIError* errorHandle, const void* component,
                                   TOracleSession* session);
//! Raises EOracleWarning or EOracleError for an error already read from the client.
[[noreturn]] void RaiseOracleErrorText(int code, const std::string& text, const void* component,
                                       TOracleSession* session);
//! Raises the error of an array execution of `rows` elements. The text is the client's followed by
//! " [array row N of M]" (N 1-based) and ErrorRow() is N - 1; when the failing element is not known
//! (row -1) the text ends " [array of M rows, P rows processed]" instead.
[[noreturn]] void RaiseOracleArrayError(int code, const std::string& text, int row, int rows,
                                        long long processed, const void* component, TOracleSession* session);
//! The code and text the client reports for a status (code 0 for success).
std::pair<int, std::string> ReadOracleError(sword status, OCIError* errorHandle);

enum class TConnectAs { caNormal, caSYSDBA, caSYSOPER };
enum class TSessionPooling { spNone, spInternal, spMTS };
enum class TNullValue { nvUnAssigned, nvNull };
enum class TSQLTrace { stUnchanged, stTrue, stFalse };
enum class TOptimizerGoal { ogUnchanged, ogChoose, ogFirstRows, ogAllRows, ogRule };
enum class TIsolationLevel { ilUnchanged, ilReadCommitted, ilSerializable };
enum class TBytesPerCharacter { bcAutoDetect, bc1Byte, bc2Bytes, bc3Bytes, bc4Bytes };
enum class TConvertUTF { cuNone, cuUTF8ToUTF16, cuUTF16ToUTF8 };
enum class TTemporaryLOB { tlNone, tlCache, tlNoCache };

//! The parts of a connect string "user/password@database as role".
struct TConnectString {
    std::string Username, Password, Database, Role;
    bool HasPassword = false, HasDatabase = false;
    //! Whether the text was a connect string (password, database or role found, or just "/").
    bool IsConnectString = false;
};
//! Splits a connect string: a trailing " AS role", then "/" and "@" outside double quotes.
TConnectString ParseConnectString(const std::string& text);
//! The role of a "Connect as" text (case-insensitive): SYSDBA, SYSOPER, else normal.
TConnectAs ConnectAsFromText(const std::string& role);

//! Session-wide conversion switches.
class TSessionPreferences {
public:
    explicit TSessionPreferences(const TOracleSession& owner) : FOwner(owner) {}
    int FloatPrecision = 0;
    int IntegerPrecision = 0;
    int SmallIntPrecision = -1;
    bool ConvertCRLF = true;
    bool ForceWideStringFields = false;
    bool TrimStringFields = true;
    int MaxStringFieldSize = 0;
    bool ZeroDateIsNull = true;
    bool NullLOBIsEmpty = false;
    bool NullObjectIsEmpty = false;
    TTemporaryLOB TemporaryLOB = TTemporaryLOB::tlCache;
    bool TimestampAsString = false;

    bool UseOCI7() const { return FUseOCI7; }
    //! "Cannot change UseOCI7 property when session is connected".
    void SetUseOCI7(bool value);
    TConvertUTF ConvertUTF() const { return FConvertUTF; }
    //! "Cannot change ConvertUTF property when session is connected".
    void SetConvertUTF(TConvertUTF value);

private:
    const TOracleSession& FOwner;
    bool FUseOCI7 = false;
    TConvertUTF FConvertUTF = TConvertUTF::cuNone;
};

using TSessionNotifyEvent = std::function<void(TOracleSession& sender)>;

//! One connection to a server.
class TOracleSession {
public:
    TOracleSession();
    //! Logs off (errors ignored).
    ~TOracleSession();
    TOracleSession(const TOracleSession&) = delete;
    TOracleSession& operator=(const TOracleSession&) = delete;

    TSessionNotifyEvent OnChange, BeforeLogOn, AfterLogOn;
    TScreenCursor Cursor = TScreenCursor::crHourGlass;
    bool DesignConnection = false;
    std::string LogonUsername, LogonPassword, LogonDatabase;
    TConnectAs ConnectAs = TConnectAs::caNormal;
    TSessionPreferences Preferences{*this};
    TSessionPooling Pooling = TSessionPooling::spNone;
    bool RollbackOnDisconnect = false;
    TNullValue NullValue = TNullValue::nvUnAssigned;
    TBytesPerCharacter BytesPerCharacter = TBytesPerCharacter::bc1Byte;
    std::string MessageTable;
    bool StatementCache = false;
    int StatementCacheSize = 20;

    bool ThreadSafe() const { return FThreadSafe; }
    //! "Cannot change ThreadSafe property when connected".
    void SetThreadSafe(bool value);
    bool Connected() const { return FConnected; }
    void SetConnected(bool value);
    //! True when the handles are lent from outside; never in this build.
    bool Shared() const { return false; }
    //! Data-changing statements commit on success.
    bool AutoCommit() const { return FAutoCommit; }
    void SetAutoCommit(bool value) { FAutoCommit = value; }

    TSQLTrace SQLTrace() const { return FSQLTrace; }
    void SetSQLTrace(TSQLTrace value);
    TOptimizerGoal OptimizerGoal() const { return FOptimizerGoal; }
    void SetOptimizerGoal(TOptimizerGoal value);
    TIsolationLevel IsolationLevel() const { return FIsolationLevel; }
    void SetIsolationLevel(TIsolationLevel value);

    void LogOn();
    void LogOff();
    //! Nothing when not connected.
    void Commit();
    void Rollback();
    //! 0 alive, 1 dead (logged off), 2 logged on again (only when reconnect is asked).
    int CheckConnection(bool reconnect);
    //! Changes the password of the logged-on user; LogonPassword takes the new value.
    void ChangePassword(const std::string& newPassword);

    //! The connect string built back from the logon values.
    std::string ConnectString() const;
    //! The warning of the last logon (ORA-28002, ORA-28011), empty when none.
    const std::string& LogonWarning() const { return FLogonWarning; }
    //! Whether the connection runs on the OCI8 generation (always, once connected, in this build).
    bool UsesOCI8() const { return FConnected; }
    //! ODBC mode: "ODBC:" in the upper-cased database or user name.
    bool OdbcMode() const;
    //! The session's date text length, measured once per connection by "DateFormatLengthQuery".
    int DateFormatLength();
    //! Most bytes a character takes in the client's character set: the environment's answer when
    //! the client gives one (4 with AL32UTF8), else BytesPerCharacter.
    int MaxBytesPerCharacter() const;
    //! The character set the client's texts are in: AL32UTF8 where the environment was created for
    //! it, 0 where NLS_LANG decides.
    ub2 ClientCharsetId() const { return FClientCharsetId; }

    // Handles lent to statements; valid while connected.
    OCIEnv* EnvHandle() const { return FEnv; }
    OCISvcCtx* SvcHandle() const { return FSvc; }
    OCIError* ErrorHandle() const { return FError; }

private:
    friend class TOracleQuery;
    friend class TOracleDataSet;
    sword CreateEnvironment(OCIEnv** env, std::string& call) const;
    void AllocateHandles();
    void FreeHandles();
    void BeginSession();
    void CheckServerBanner();
    void ApplyConnectString();
    void ApplySettings();
    void RunSetting(const std::string& sql);
    void ApplyOptimizerGoal();
    void Check(sword status);
    void CloseAttached();

    bool FConnected = false;
    bool FThreadSafe = false;
    bool FAutoCommit = false;
    TSQLTrace FSQLTrace = TSQLTrace::stUnchanged;
    TOptimizerGoal FOptimizerGoal = TOptimizerGoal::ogUnchanged;
    TIsolationLevel FIsolationLevel = TIsolationLevel::ilUnchanged;
    std::string FLogonWarning;
    int FDateFormatLength = 0;
    int FClientBytesPerCharacter = 0; // 0 when the client does not say
    ub2 FClientCharsetId = 0;
    OCIEnv* FEnv = nullptr;
    OCISvcCtx* FSvc = nullptr;
    OCIServer* FServer = nullptr;
    OCIError* FError = nullptr;
    OCIError* FError2 = nullptr;
    OCISession* FUser = nullptr;
    bool FAttached = false;
    std::vector<TOracleQuery*> FQueries;
    std::vector<TOracleDataSet*> FDataSets;
    TOracleCriticalSection FLock;
};

//! Every session alive in the process, logged off at library shutdown.
std::vector<TOracleSession*>& LiveOracleSessions();

//! Statement kinds, numbered as the SQL function codes.
namespace TSQLKind {
inline constexpr int Insert = 3;
inline constexpr int Select = 4;
inline constexpr int Update = 5;
inline constexpr int Delete = 9;
inline constexpr int PLSQL = 34;
inline constexpr int Other = -1;
} // namespace TSQLKind

using TQueryNotifyEvent = std::function<void(TOracleQuery& sender)>;
//! Asked for each failing element of an array execution (index 0-based); continueExecution starts
//! False, and setting it True goes on with the next element.
using TArrayErrorEvent = std::function<void(TOracleQuery& sender, int index, int errorCode,
                                            const std::string& errorMessage, bool& continueExecution)>;

//! One statement or PL/SQL block on a session.
class TOracleQuery {
public:
    explicit TOracleQuery(std::string name = {});
    ~TOracleQuery();
    TOracleQuery(const TOracleQuery&) = delete;
    TOracleQuery& operator=(const TOracleQuery&) = delete;

    const std::string& Name() const { return FName; }
    //! The statement's lines; read at the next Execute.
    std::vector<std::string> SQL;
    //! Replaces the lines by one text.
    void SetSQLText(const std::string& text) { SQL = {text}; }
    TOracleSession* Session() const { return FSession; }
    void SetSession(TOracleSession* session);
    int ReadBuffer = 25;
    //! Rows the client brings ahead in each round trip of a query, so that a result of n rows costs
    //! about n / PrefetchRows fetch round trips whatever ReadBuffer is; 0 sends each batch alone.
    int PrefetchRows = 500;
    bool Optimize = true; //!< kept; every Execute prepares afresh
    bool Debug = false;
    TScreenCursor Cursor = TScreenCursor::crDefault;
    bool StringFieldsOnly = false;
    bool Threaded = false;   //!< refused at Execute in this build
    bool Scrollable = false; //!< refused at Execute in this build
    TQueryNotifyEvent BeforeQuery, AfterQuery;
    //! Without it a failing element fails the whole array execution.
    TArrayErrorEvent OnArrayError;

    void Execute();
    void Describe();
    void Next();
    bool Eof() const { return FEof; }
    void CloseStatement();
    void ClearStatement();
    int ProcessedRows() const;
    const std::string& LastRowId() const { return FLastRowId; }
    //! Kind of the last prepared statement (TSQLKind).
    int SQLType() const { return FKind; }
    int ErrorLine() const { return FErrorLine; }
    int ErrorPosition() const { return FErrorPosition; }

    int ColumnCount() const { return static_cast<int>(FColumns.size()); }
    //! -1 when absent (case-insensitive).
    int ColumnIndex(const std::string& name) const;
    const TFieldData& Column(int index) const;
    std::string ColumnName(int index) const { return Column(index).Name; }
    int ColumnType(int index) const { return Column(index).Fetch.Type; }
    int ColumnSize(int index) const { return Column(index).DataSize; }
    int ColumnPrecision(int index) const { return Column(index).Precision; }
    int ColumnScale(int index) const { return Column(index).Scale; }
    bool ColumnIsNull(int index) const;
    std::string ColumnAsString(int index) const;
    //! NULL reads 0; a float or date is cut towards zero; beyond 64 bits a conversion error.
    std::int64_t ColumnAsInteger(int index) const;
    //! ColumnAsInteger for a caller that keeps 32 bits: a value beyond them is refused, never wrapped.
    int ColumnAsInt32(int index) const;
    double ColumnAsFloat(int index) const;
    TDateTime ColumnAsDate(int index) const;
    //! The value in the column's native kind, NULL as TVariant().
    TVariant ColumnValue(int index) const;

    void AddVariable(const std::string& name, int type);
    void RemoveVariable(const std::string& name);
    //! Marks a declared text variable as national-character (an NCHAR or NVARCHAR2 value): it binds
    //! in the national form, so the server does not take it through the database's character set.
    void SetVariableNational(const std::string& name);
    void DeleteVariables() { FVariables.Clear(); }
    void AssignVariable(const std::string& name, const TVariant& value);
    TVariant VariableValue(const std::string& name) const;
    int IndexOfVariable(const std::string& name) const { return FVariables.IndexOf(name); }
    TVariables& Variables() { return FVariables; }
    const TVariables& Variables() const { return FVariables; }

    // Array DML: an INSERT, UPDATE or DELETE sent once for many rows. Every bound variable holds
    // one element per row; Execute binds the elements as arrays and runs the statement with that
    // many iterations in one client call. Values convert as AssignVariable converts them. On a
    // failing row the execution stops: the rows before it stay done in the open transaction (roll
    // back for all or nothing) and the EOracleError names the row (ErrorRow(), and the text).
    // AssignVariable makes a variable plain again; all variables must have the same element count
    // ("All arrays must be of equal size for Array DML").
    //
    //   insert.SetArraySize(n);
    //   for (int row = 0; row < n; ++row)
    //       insert.AssignVariableElement("ID", row, TVariant::FromInteger(ids[row]));
    //   insert.Execute();

    //! Gives every bound (non-substitution) variable `rows` elements, all NULL; rows >= 1.
    void SetArraySize(int rows);
    //! Sets element `row` of an array variable; raises for an undeclared name or a row out of range.
    void AssignVariableElement(const std::string& name, int row, const TVariant& value);
    //! Gives one variable one element per value (at least one value).
    void AssignVariableArray(const std::string& name, const std::vector<TVariant>& values);
    //! The element count the next Execute sends: 1 without array variables.
    int ArraySize() const;
    //! The values the next Execute sends: one line ":NAME = value" per variable, or for array
    //! variables ":NAME[row] = value" per row and variable, each line after "\r\n". Debug shows it
    //! after the text; a statement dump can keep it beside the text.
    std::string VariablesText() const;

    //! The ":name" places of a text: names upper-cased without colon, 1-based colon positions.
    static std::vector<std::pair<std::string, int>> FindVariables(const std::string& text, bool unique);
    //! The text as it is sent: lines joined, substitution variables replaced, CRs removed.
    std::string PreparedText() const;

private:
    double ColumnAsNumber(int index, double (*parseText)(const std::string&),
                          const std::string& typeName) const;
    void CheckReady() const;
    void Prepare();
    int Bind();
    bool IsBound(const TVariableData& variable);
    void BindArray(TVariableData& variable, int maxString);
    //! Binds the packed elements from element `row` on.
    void BindArrayFrom(TVariableData& variable, int row);
    //! The national form and the client's character set on a national variable's bind.
    void SetBindCharset(const TVariableData& variable);
    void ExecuteSelect();
    sword ExecuteIterations(int iterations);
    void ExecuteOther(int iterations);
    void ExecuteArrayRows(int iterations);
    [[noreturn]] void RaiseArrayError(sword status, int iterations);
    TVariableData& VariableNamed(const std::string& name);
    void DescribeColumns();
    void DefineColumns();
    void FetchBatch();
    //! Raises ORA-01406 naming the first column a value of the batch did not fit.
    void CheckTruncation(const std::string& clientText);
    void ReadRowId();
    void AfterStatementDone();
    void CloseCursor();
    void ShowDebug() const;
    void CheckIndex(int index) const;
    void CheckRow(int index) const;
    void Check(sword status);
    TConversionRules Rules() const;
    [[noreturn]] void RaiseParseError(sword status);

    //! FindVariables of the text last scanned, scanned again only when the text changes: a query
    //! executed again sends the same text.
    struct TVariableScan {
        std::string Text;
        bool Unique = false;
        std::vector<std::pair<std::string, int>> Places;
        const std::vector<std::pair<std::string, int>>& Of(const std::string& text, bool unique);
    };

    std::string FName;
    TOracleSession* FSession = nullptr;
    TVariables FVariables;
    std::vector<TFieldData> FColumns;
    OCIStmt* FStmt = nullptr;
    OCIError* FError = nullptr;
    OCIRowid* FRowIdDescriptor = nullptr;
    std::string FPreparedText;
    mutable TVariableScan FWrittenScan; // of the text as written, for its substitution variables
    TVariableScan FSentScan;            // of the text as sent, for the names it binds
    int FKind = TSQLKind::Other;
    bool FEof = true;
    int FRowsInBatch = 0;
    int FCurrentRow = 0;
    ub4 FRowCount = 0;
    std::string FLastRowId;
    int FErrorLine = 0;
    int FErrorPosition = 0;
};
