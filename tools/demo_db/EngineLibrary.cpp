// Loading the engine by path, as the data access layer does with OCIDLL=, so the generator needs no
// link-time dependency on it and writes through exactly the entry points the program uses.
#include "tools/demo_db/EngineLibrary.h"

#include "platform/settings/Exceptions.h"

#include <dlfcn.h>
#include <filesystem>

TEngineLibrary::TEngineLibrary(const std::string& path) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw Exception("Cannot load the database engine " + path + ": " + dlerror());
    const auto symbol = [&](const char* name) {
        void* address = dlsym(module, name);
        if (!address)
            throw Exception(std::string("The database engine lacks ") + name);
        return address;
    };
#define DEMO_LOOKUP(ret, name, params) name = reinterpret_cast<name##_t>(symbol(#name));
    OCI_FUNCTIONS(DEMO_LOOKUP)
#undef DEMO_LOOKUP
    createDatabase = reinterpret_cast<ocisqlite_create_database_t>(symbol("ocisqlite_create_database"));
}

std::string EngineLibraryBesideExecutable() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "liboci_sqlite.so").string();
}
