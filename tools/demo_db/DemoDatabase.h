// Creating a demo database file: the engine's create-database function with the given user, the
// reporting schema's scripts in their order, then the generated rows. An existing file is refused
// unless force is set, in which case it is replaced; a file whose filling failed is removed.
#pragma once

#include "tools/demo_db/DemoArguments.h"

#include <map>
#include <string>

struct TDemoDatabaseResult {
    int positions = 0;
    std::map<std::string, long long> rowsPerTable;
};

TDemoDatabaseResult CreateDemoDatabase(const TDemoArguments& arguments, const std::string& engineLibrary,
                                       const std::string& schemaDirectory);

// The schema scripts, in the order they run.
const char* const* SchemaScripts();
