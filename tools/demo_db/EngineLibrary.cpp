// The create-database function is the engine's own, not an OCI entry point, so it is looked up
// here with dlsym; everything else goes through the data access layer, which finds the library by
// the OCIDLL= setting exactly as the program does.
#include "tools/demo_db/EngineLibrary.h"

#include "oracle/OracleCI.h"
#include "platform/oci_sqlite/OciApi.h"
#include "platform/settings/Exceptions.h"

#include <dlfcn.h>
#include <filesystem>

std::string EngineLibraryBesideExecutable() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "liboci_sqlite.so").string();
}

void CreateEngineDatabase(const std::string& library, const std::string& file, const std::string& user,
                          const std::string& password) {
    void* module = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw Exception("Cannot load the database engine " + library + ": " + dlerror());
    const auto create =
        reinterpret_cast<ocisqlite_create_database_t>(dlsym(module, "ocisqlite_create_database"));
    if (!create)
        throw Exception("The database engine " + library + " cannot create databases");
    char message[512] = "";
    if (create(file.c_str(), user.c_str(), password.c_str(), message, sizeof message) != 0)
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
