// Oracle's message texts for the errors the engine raises, each written once. Codes print with five
// digits, as Oracle's do.
#include "platform/oci_sqlite/EngineError.h"

#include <cstdio>

namespace ocisqlite::ora {

EngineError Make(int code, const std::string& text) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "ORA-%05d: ", code);
    return EngineError(code, prefix + text);
}

static std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

EngineError UniqueViolated(const std::string& owner, const std::string& constraint) {
    return Make(1, "unique constraint (" + owner + "." + constraint + ") violated");
}
EngineError CannotInsertNull(const std::string& owner, const std::string& table, const std::string& column) {
    return Make(1400, "cannot insert NULL into (" + Quoted(owner) + "." + Quoted(table) + "." +
                          Quoted(column) + ")");
}
EngineError CannotUpdateToNull(const std::string& owner, const std::string& table,
                               const std::string& column) {
    return Make(1407,
                "cannot update (" + Quoted(owner) + "." + Quoted(table) + "." + Quoted(column) + ") to NULL");
}
EngineError CheckViolated(const std::string& owner, const std::string& constraint) {
    return Make(2290, "check constraint (" + owner + "." + constraint + ") violated");
}
EngineError ParentKeyNotFound(const std::string& owner, const std::string& constraint) {
    return Make(2291,
                "integrity constraint (" + owner + "." + constraint + ") violated - parent key not found");
}
EngineError ChildRecordFound(const std::string& owner, const std::string& constraint) {
    return Make(2292,
                "integrity constraint (" + owner + "." + constraint + ") violated - child record found");
}
EngineError InvalidIdentifier(const std::string& name) {
    return Make(904, Quoted(name) + ": invalid identifier");
}
EngineError TableNotFound() {
    return Make(942, "table or view does not exist");
}
EngineError NameInUse() {
    return Make(955, "name is already used by an existing object");
}
EngineError ResourceBusy() {
    return Make(54, "resource busy and acquire with NOWAIT specified or timeout expired");
}
EngineError DeadlockDetected() {
    return Make(60, "deadlock detected while waiting for resource");
}
EngineError Unimplemented() {
    return Make(3001, "unimplemented feature");
}
EngineError NoDataFound() {
    return Make(1403, "no data found");
}
EngineError NotAllVariablesBound() {
    return Make(1008, "not all variables bound");
}
EngineError ValueTruncated() {
    return Make(1406, "fetched column value was truncated");
}
EngineError FetchedNull() {
    return Make(1405, "fetched column value is NULL");
}
EngineError InvalidNumber() {
    return Make(1722, "invalid number");
}
EngineError NotLoggedOn() {
    return Make(1012, "not logged on");
}
EngineError InvalidLogon() {
    return Make(1017, "invalid username/password; logon denied");
}
EngineError PasswordExpired() {
    return Make(28001, "the password has expired");
}
EngineError PasswordGrace(int days) {
    return Make(28002, "the password will expire within " + std::to_string(days) + " days");
}
EngineError CannotResolveIdentifier() {
    return Make(12154, "TNS:could not resolve the connect identifier specified");
}
EngineError SavepointUnknown(const std::string& name) {
    return Make(1086, "savepoint '" + name + "' never established in this session or is invalid");
}
EngineError UserExists(const std::string& name) {
    return Make(1920, "user name '" + name + "' conflicts with another user or role name");
}
EngineError UserNotFound(const std::string& name) {
    return Make(1918, "user '" + name + "' does not exist");
}
EngineError InvalidSql() {
    return Make(900, "invalid SQL statement");
}
EngineError FetchOutOfSequence() {
    return Make(1002, "fetch out of sequence");
}
EngineError ZeroIterationCount() {
    return Make(24333, "zero iteration count");
}
EngineError InvalidDate() {
    return Make(1858, "a non-numeric character was found where a numeric was expected");
}
EngineError SequenceNotFound() {
    return Make(2289, "sequence does not exist");
}
EngineError Internal(const std::string& detail) {
    return Make(600, "internal error code, arguments: [ocisqlite], [" + detail + "]");
}

EngineError TransactionRolledBack(const std::string& cause) {
    return Make(2091, cause.empty() ? "transaction rolled back" : "transaction rolled back\n" + cause);
}
EngineError WriteFailed(const std::string& file, const std::string& reason) {
    return Make(1114, "IO error writing block to file " + file + " (" + reason + ")");
}
EngineError ReadFailed(const std::string& file, const std::string& reason) {
    return Make(1115, "IO error reading block from file " + file + " (" + reason + ")");
}
EngineError InsufficientPrivileges() {
    return Make(1031, "insufficient privileges");
}
EngineError AccountLocked() {
    return Make(28000, "the account is locked");
}
EngineError NumericOverflow() {
    return Make(1426, "numeric overflow");
}
EngineError ConcatenationTooLong() {
    return Make(1489, "result of string concatenation is too long");
}
EngineError NestingTooDeep() {
    return Make(36, "maximum number of recursive SQL levels (32) exceeded");
}

EngineError NotADatabase(const std::string& path) {
    return Make(1122, "database file " + path + " failed verification check");
}

} // namespace ocisqlite::ora
