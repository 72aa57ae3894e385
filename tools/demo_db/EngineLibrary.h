// The embedded engine as the demo database sees it: its create-database function, loaded from
// the program's liboci_sqlite.so (ProgramLayout), and the logon of a data access layer session on a file of
// it (the layer loads the same library as its Oracle client).
#pragma once

#include "oracle/Oracle.h"

#include <string>

// Creates the database file with its first user; raises Exception with the engine's message.
void CreateEngineDatabase(const std::string& library, const std::string& file, const std::string& user,
                          const std::string& password);

// Unlocks user of the file (and forgets its failed logons); only the file's owner may. Raises
// Exception with the engine's message.
void UnlockEngineUser(const std::string& library, const std::string& file, const std::string& user);

// Points the layer at the engine library and logs session on to the file.
void LogOnEngine(TOracleSession& session, const std::string& library, const std::string& file,
                 const std::string& user, const std::string& password);
