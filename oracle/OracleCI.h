// The client library binding: where the Oracle client library is found, how it is loaded, the table
// of its entry points in capability groups, the library-wide lock and the diagnostic log. Every
// client call of the layer goes through Oci(); nothing here knows which client answers it.
#pragma once

#include "platform/oci_sqlite/OciApi.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

//! A recursive lock with an entry counter; leaving a lock the thread does not hold does nothing.
class TOracleCriticalSection {
public:
    void Enter();
    void Leave();

private:
    std::recursive_mutex FMutex;
    std::atomic<std::thread::id> FOwner{};
    int FCount = 0; // entries of the owner; touched only while holding FMutex
};

//! Takes a TOracleCriticalSection for the scope.
class TOracleLockGuard {
public:
    explicit TOracleLockGuard(TOracleCriticalSection& lock) : FLock(lock) { FLock.Enter(); }
    ~TOracleLockGuard() { FLock.Leave(); }
    TOracleLockGuard(const TOracleLockGuard&) = delete;
    TOracleLockGuard& operator=(const TOracleLockGuard&) = delete;

private:
    TOracleCriticalSection& FLock;
};

//! One pointer per entry point and one flag per capability group (true only when every name of the
//! group was found). The OCI7 generation is only looked up, never called, so its names stay untyped.
struct TOciEntryPoints {
#define ORACLE_CI_MEMBER(ret, name, params) name##_t name = nullptr;
    OCI_FUNCTIONS(ORACLE_CI_MEMBER)
#undef ORACLE_CI_MEMBER
    //! The embedded engine's round-trip count; null with Oracle's client, which keeps none.
    ocisqlite_round_trips_t RoundTrips = nullptr;
    //! The embedded engine's call-back while a statement runs; null with Oracle's client.
    ocisqlite_set_progress_t SetProgress = nullptr;
    void* olog = nullptr;
    void* opinit = nullptr;
    bool OCI7 = false;  //!< every OCI7 cursor and logon call
    bool OCI8 = false;  //!< every required OCI8 call
    bool OCI81 = false; //!< OCIEnvCreate, temporary LOBs, datetime calls
    bool OCI90 = false; //!< OCIStmtFetch2
    bool OCI92 = false; //!< session pools and the statement cache
    bool HasOlog = false;
    bool HasOpinit = false;
};

//! Names of the OCI7 group, in lookup order (olog and opinit are flagged alone).
const std::vector<std::string>& Oci7EntryPointNames();
//! Names that must all be found for the OCI8 group to count.
const std::vector<std::string>& Oci8RequiredEntryPointNames();

//! The result of locating the client library: the path chosen (empty when none), the failure code
//! (0 found, 1 no candidate, 3 no home) and the log lines of the search.
struct TClientLocation {
    std::string Path;
    int FailureCode = 0;
    std::vector<std::string> Log;
};

//! Finds the client library from the command line ("OCIDLL=", "ORACLEHOME="), ORACLE_HOME and
//! LD_LIBRARY_PATH, logging each step. Pure apart from reading the environment and directories.
TClientLocation LocateClientLibrary(const std::vector<std::string>& commandLine);

//! What a library file's ELF headers say: whether the loader can map it safely (headers and every
//! segment within the file), why not, and the libraries it needs (DT_NEEDED).
struct TElfImage {
    bool Valid = false;
    std::string Problem;
    std::vector<std::string> Needed;
};
TElfImage ReadElfImage(const std::string& path);

//! The command line the layer reads its keys from: the process's own (/proc/self/cmdline) unless
//! SetOracleCommandLine replaced it.
std::vector<std::string> OracleCommandLine();
//! Replaces the command line the layer reads (tests, tools that assemble their own arguments).
void SetOracleCommandLine(std::vector<std::string> arguments);
//! The text after the first argument's key + "=" (the key compared upper-case, anywhere in the
//! argument), or "" when no argument has it.
std::string ArgumentValue(const std::vector<std::string>& arguments, const std::string& key);
//! ArgumentValue of OracleCommandLine().
std::string CommandLineValue(const std::string& key);

//! Loads and initialises the client library unless loaded; raises Exception "Initialization
//! error\r\n" + reason + "\r\n\r\n" + the log on failure, leaving the library unloaded.
void InitializeOracleClient();
//! Unloads the library and forgets every entry point and the log.
void ResetOracleClient();
//! Whether a client library is loaded.
bool OracleClientLoaded();
//! Path of the loaded library.
std::string OracleClientPath();
//! The diagnostic log of the last locate and load, lines joined by "\r\n".
std::string OracleClientLog();

//! The folder of the client's net configuration: TNS_ADMIN, else the home's network/admin.
std::string NetConfigurationDirectory();
//! "names.default_domain" of sqlnet.ora, upper-cased, else "WORLD".
std::string DefaultDomain();
//! The net service names of tnsnames.ora (and the files its "ifile" entries name), sorted, without
//! duplicates and without the default domain.
std::vector<std::string> NetServiceNames();

//! The entry-point table. Mutable so that tests can wrap single entries to observe the calls.
TOciEntryPoints& Oci();
//! The library-wide lock guarding initialisation and ThreadSafe logons.
TOracleCriticalSection& OracleLibraryLock();
