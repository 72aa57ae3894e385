// The engine's own entry points beside Oracle's: creating a database file and the file owner's
// unlock of an account. Each answers 0 or an Oracle error code, with the message text.
#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/OciApi.h"
#include "platform/oci_sqlite/StatementProgress.h"
#include "platform/oci_sqlite/UserCatalog.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace ocisqlite;

namespace {

int Report(char* message, size_t message_size, int code, const std::string& text) {
    if (message && message_size > 0) {
        const size_t length = std::min(text.size(), message_size - 1);
        std::memcpy(message, text.data(), length);
        message[length] = '\0';
    }
    return code;
}

template <class Body> int EntryPoint(char* message, size_t message_size, Body&& body) noexcept {
    try {
        body();
        return Report(message, message_size, 0, "");
    } catch (const EngineError& e) {
        return Report(message, message_size, e.code(), e.what());
    } catch (const std::exception& e) {
        return Report(message, message_size, 600, ora::Internal(e.what()).what());
    }
}

// The operating system vouches for the owner of the file, as it does for Oracle's administrators.
bool RunsAsOwnerOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && info.st_uid == ::geteuid() && info.st_uid == ::getuid();
}

} // namespace

extern "C" {

int ocisqlite_create_database(const char* path, const char* user, const char* password, char* message,
                              size_t message_size) {
    return EntryPoint(message, message_size, [&] {
        if (!path || !user || !password || !*user)
            throw ora::InvalidLogon();
        CreateDatabase(path, user, password);
    });
}

int ocisqlite_unlock_user(const char* path, const char* user, char* message, size_t message_size) {
    return EntryPoint(message, message_size, [&] {
        if (!path || !user || !*user)
            throw ora::InvalidLogon();
        Connection db = OpenDatabase(path);
        if (!RunsAsOwnerOf(path))
            throw ora::InsufficientPrivileges();
        UserCatalog(db.get()).SetLocked(user, false);
    });
}

void ocisqlite_set_progress(int (*callback)(void* context), void* context, unsigned interval_ms) {
    SetStatementProgress(callback, context, interval_ms);
}

} // extern "C"
