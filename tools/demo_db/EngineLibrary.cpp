// The create-database and unlock functions are the engine's own, not OCI entry points, so they are
// looked up here with dlsym; everything else goes through the data access layer, which finds the library by
// the OCIDLL= setting exactly as the program does.
#include "tools/demo_db/EngineLibrary.h"

#include "oracle/OracleCI.h"
#include "platform/oci_sqlite/OciApi.h"
#include "platform/settings/Exceptions.h"

#include <dlfcn.h>

namespace {

// One of the engine's own entry points, which no Oracle client has.
template <typename TFunction> TFunction EngineFunction(const std::string& library, const char* name) {
    void* module = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw Exception("Cannot load the database engine " + library + ": " + dlerror());
    const auto function = reinterpret_cast<TFunction>(dlsym(module, name));
    if (!function)
        throw Exception("The database engine " + library + " has no " + name);
    return function;
}

} // namespace

void CreateEngineDatabase(const std::string& library, const std::string& file, const std::string& user,
                          const std::string& password) {
    const auto create = EngineFunction<ocisqlite_create_database_t>(library, "ocisqlite_create_database");
    char message[512] = "";
    if (create(file.c_str(), user.c_str(), password.c_str(), message, sizeof message) != 0)
        throw Exception(message);
}

void UnlockEngineUser(const std::string& library, const std::string& file, const std::string& user) {
    const auto unlock = EngineFunction<ocisqlite_unlock_user_t>(library, "ocisqlite_unlock_user");
    char message[512] = "";
    if (unlock(file.c_str(), user.c_str(), message, sizeof message) != 0)
        throw Exception(message);
}

void LogOnEngine(TOracleSession& session, const std::string& library, const std::string& file,
                 const std::string& user, const std::string& password) {
    SetOracleCommandLine({"OCIDLL=" + library});
    session.LogonUsername = user;
    session.LogonPassword = password;
    session.LogonDatabase = file;
    session.LogOn();
}
