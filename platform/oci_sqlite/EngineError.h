// The engine's one error type and the Oracle messages it raises itself. Every text a client sees is
// written here once, so the data access layer's message handling finds Oracle's exact wording.
#pragma once

#include <stdexcept>
#include <string>

namespace ocisqlite {

class EngineError : public std::runtime_error {
public:
    // message is the full text, starting with "ORA-nnnnn: ".
    EngineError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// A handle that is null or not of the expected kind; the call answers OCI_INVALID_HANDLE.
class InvalidHandle : public std::exception {};

namespace ora {
EngineError Make(int code, const std::string& text); // "ORA-" + five digits + ": " + text
EngineError UniqueViolated(const std::string& owner, const std::string& constraint);
EngineError CannotInsertNull(const std::string& owner, const std::string& table, const std::string& column);
EngineError CannotUpdateToNull(const std::string& owner, const std::string& table, const std::string& column);
EngineError CheckViolated(const std::string& owner, const std::string& constraint);
EngineError ParentKeyNotFound(const std::string& owner, const std::string& constraint);
EngineError ChildRecordFound(const std::string& owner, const std::string& constraint);
EngineError InvalidIdentifier(const std::string& name);
EngineError TableNotFound();
EngineError NameInUse();
EngineError ResourceBusy();
EngineError DeadlockDetected();
EngineError Unimplemented();
EngineError NoDataFound();
EngineError NotAllVariablesBound();
EngineError ValueTruncated();
EngineError FetchedNull();
EngineError InvalidNumber();
EngineError NotLoggedOn();
EngineError InvalidLogon();
EngineError PasswordExpired();
EngineError PasswordGrace(int days);
EngineError CannotResolveIdentifier();
EngineError SavepointUnknown(const std::string& name);
EngineError UserExists(const std::string& name);
EngineError UserNotFound(const std::string& name);
EngineError InvalidSql();
EngineError FetchOutOfSequence();
EngineError ZeroIterationCount();
EngineError InvalidDate();
EngineError SequenceNotFound();
EngineError Internal(const std::string& detail);
// The whole transaction was undone under the statement; cause is the full text of why.
EngineError TransactionRolledBack(const std::string& cause);
EngineError WriteFailed(const std::string& file, const std::string& reason);
EngineError ReadFailed(const std::string& file, const std::string& reason);
EngineError InsufficientPrivileges();
EngineError AccountLocked();
EngineError NumericOverflow();
EngineError ConcatenationTooLong();
EngineError NestingTooDeep();
EngineError NotADatabase(const std::string& path);
} // namespace ora

} // namespace ocisqlite
