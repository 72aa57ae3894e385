// The embedded engine's entry points, loaded from liboci_sqlite.so beside the executable the way the
// program loads an Oracle client: dlopen, then dlsym of every OCI function and of the engine's
// create-database function. The library stays loaded for the life of the process.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

#include <string>

struct TEngineLibrary {
#define DEMO_MEMBER(ret, name, params) name##_t name = nullptr;
    OCI_FUNCTIONS(DEMO_MEMBER)
#undef DEMO_MEMBER
    ocisqlite_create_database_t createDatabase = nullptr;

    // Raises Exception when the library or one of its functions is missing.
    explicit TEngineLibrary(const std::string& path);
};

// liboci_sqlite.so in the directory of the running executable.
std::string EngineLibraryBesideExecutable();
