// The private directory of the process (a folder of its own under the system's temporary folder,
// removed at exit) and the local database in it that holds the temporary tables.
#pragma once

#include "platform/localdb/LocalDatabase.h"

#include <string>

//! The private directory, created on first use; no trailing separator.
const std::string& PrivateDirectory();
//! The private database, opened on first use with the placeholder collation installed.
TLocalDatabase& PrivateDatabase();
