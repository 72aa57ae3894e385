// Loading the client library and initialising it: dlopen, the entry points looked up group by
// group, the initialisation failure texts and the library-wide state (lock, log, command line).
#include "oracle/OracleCI.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/TextUtils.h"

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

namespace fs = std::filesystem;

namespace {

struct TLibraryState {
    void* Module = nullptr;
    std::vector<void*> Neighbours; // in load order
    std::string Path;
    std::vector<std::string> Log;
    TOciEntryPoints EntryPoints;
    std::optional<std::vector<std::string>> CommandLine;
};

TLibraryState& State() {
    static TLibraryState state;
    return state;
}

std::vector<std::string> ProcessCommandLine() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    std::string current;
    for (char c : all) {
        if (c == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return arguments;
}

std::string JoinLog(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// Looks every name of a group up; true only when all were found.
template <typename Lookup> bool LookUpGroup(const std::vector<std::string>& names, Lookup lookup) {
    bool complete = true;
    for (const std::string& name : names)
        complete = lookup(name) && complete;
    return complete;
}

const std::vector<std::string>& Oci81Names() {
    static const std::vector<std::string> names{"OCIEnvCreate",        "OCILobCreateTemporary",
                                                "OCILobFreeTemporary", "OCIDateTimeConstruct",
                                                "OCIDateTimeGetDate",  "OCIDateTimeGetTime"};
    return names;
}

const std::vector<std::string>& Oci92Names() {
    static const std::vector<std::string> names{"OCISessionPoolCreate", "OCISessionPoolDestroy",
                                                "OCISessionGet",        "OCISessionRelease",
                                                "OCIStmtPrepare2",      "OCIStmtRelease"};
    return names;
}

// Fills every typed pointer the module has; missing names stay null.
void BindTypedEntryPoints(void* module, TOciEntryPoints& table) {
#define ORACLE_CI_LOOKUP(ret, name, params) table.name = reinterpret_cast<name##_t>(dlsym(module, #name));
    OCI_FUNCTIONS(ORACLE_CI_LOOKUP)
#undef ORACLE_CI_LOOKUP
    table.RoundTrips = reinterpret_cast<ocisqlite_round_trips_t>(dlsym(module, "ocisqlite_round_trips"));
    table.SetProgress = reinterpret_cast<ocisqlite_set_progress_t>(dlsym(module, "ocisqlite_set_progress"));
}

void BindGroups(void* module, TOciEntryPoints& table) {
    const auto found = [module](const std::string& name) { return dlsym(module, name.c_str()) != nullptr; };
    BindTypedEntryPoints(module, table);
    table.OCI7 = LookUpGroup(Oci7EntryPointNames(), found);
    table.olog = dlsym(module, "olog");
    table.opinit = dlsym(module, "opinit");
    table.HasOlog = table.olog != nullptr;
    table.HasOpinit = table.opinit != nullptr;
    table.OCI8 = LookUpGroup(Oci8RequiredEntryPointNames(), found);
    // A later group only counts on top of the complete earlier one.
    table.OCI81 = table.OCI8 && LookUpGroup(Oci81Names(), found);
    table.OCI90 = table.OCI81 && found("OCIStmtFetch2");
    table.OCI92 = table.OCI90 && LookUpGroup(Oci92Names(), found);
    if (!table.OCI90)
        table.OCIStmtFetch2 = nullptr;
    if (!table.OCI92) {
        table.OCIStmtPrepare2 = nullptr;
        table.OCIStmtRelease = nullptr;
    }
}

[[noreturn]] void Fail(int code, const std::string& path) {
    TLibraryState& state = State();
    std::string reason;
    if (code == 1)
        reason = path.empty() ? "Could not locate OCI dll" : "Could not load \"" + path + "\"";
    else if (code == 2)
        reason = "Could not initialize \"" + path + "\"";
    else
        reason = "SQL*Net not properly installed";
    const std::string message = "Initialization error\r\n" + reason + "\r\n\r\n" + JoinLog(state.Log);
    ResetOracleClient();
    throw Exception(message);
}

// The loader looks for a library's needs only on the paths fixed at process start, so the client's
// neighbours in its own folder (as in an unpacked Instant Client) are loaded first, needs first.
void LoadNeighbours(const fs::path& folder, const std::vector<std::string>& needed,
                    std::set<std::string>& seen) {
    TLibraryState& state = State();
    for (const std::string& name : needed) {
        const fs::path path = folder / name;
        std::error_code error;
        if (!seen.insert(name).second || !fs::is_regular_file(path, error))
            continue;
        const TElfImage image = ReadElfImage(path.string());
        if (!image.Valid) {
            state.Log.push_back(path.string() + " " + image.Problem);
            continue;
        }
        LoadNeighbours(folder, image.Needed, seen);
        if (void* neighbour = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL)) {
            state.Neighbours.push_back(neighbour);
            state.Log.push_back("Loaded: " + path.string());
        } else {
            const char* reason = dlerror();
            state.Log.push_back("LoadLibrary(" + path.string() + ") returned " + (reason ? reason : "NULL"));
        }
    }
}

void LoadAndBind() {
    TLibraryState& state = State();
    TClientLocation location = LocateClientLibrary(OracleCommandLine());
    state.Log = location.Log;
    if (location.FailureCode != 0)
        Fail(location.FailureCode, location.Path);
    const TElfImage image = ReadElfImage(location.Path);
    if (!image.Valid) {
        state.Log.push_back(location.Path + " " + image.Problem);
        Fail(1, location.Path);
    }
    std::set<std::string> seen{fs::path(location.Path).filename().string()};
    LoadNeighbours(fs::path(location.Path).parent_path(), image.Needed, seen);
    void* module = dlopen(location.Path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* reason = dlerror();
        state.Log.push_back("LoadLibrary(" + location.Path + ") returned " + (reason ? reason : "NULL"));
        Fail(1, location.Path);
    }
    state.Module = module;
    state.Path = location.Path;
    BindGroups(module, state.EntryPoints);
    if (!state.EntryPoints.OCI7 && !state.EntryPoints.OCI8)
        Fail(2, location.Path);
}

} // namespace

void TOracleCriticalSection::Enter() {
    FMutex.lock();
    FOwner = std::this_thread::get_id();
    ++FCount;
}

void TOracleCriticalSection::Leave() {
    if (FOwner != std::this_thread::get_id())
        return;
    if (--FCount == 0)
        FOwner = std::thread::id();
    FMutex.unlock();
}

const std::vector<std::string>& Oci7EntryPointNames() {
    static const std::vector<std::string> names{
        "orlon",  "ologof", "oerhms", "oopen", "oparse", "odefin", "oexfet", "ofen",   "oflng",  "oclose",
        "odescr", "oexec",  "oexn",   "ocom",  "orol",   "ocon",   "ocof",   "obreak", "obndra", "odessp"};
    return names;
}

const std::vector<std::string>& Oci8RequiredEntryPointNames() {
    static const std::vector<std::string> names{
        "OCIInitialize",      "OCIEnvInit",        "OCIHandleAlloc",      "OCIHandleFree",
        "OCIDescriptorAlloc", "OCIDescriptorFree", "OCIAttrGet",          "OCIAttrSet",
        "OCIParamGet",        "OCIServerAttach",   "OCIServerDetach",     "OCIServerVersion",
        "OCISessionBegin",    "OCISessionEnd",     "OCIPasswordChange",   "OCIStmtPrepare",
        "OCIStmtExecute",     "OCIStmtFetch",      "OCIStmtGetPieceInfo", "OCIStmtSetPieceInfo",
        "OCIBindByName",      "OCIBindByPos",      "OCIDefineByPos",      "OCIDefineDynamic",
        "OCITransCommit",     "OCITransRollback",  "OCIErrorGet",         "OCIBreak"};
    return names;
}

std::vector<std::string> OracleCommandLine() {
    const TLibraryState& state = State();
    return state.CommandLine ? *state.CommandLine : ProcessCommandLine();
}

void SetOracleCommandLine(std::vector<std::string> arguments) {
    State().CommandLine = std::move(arguments);
}

std::string ArgumentValue(const std::vector<std::string>& arguments, const std::string& key) {
    const std::string wanted = UpperCase(key) + "=";
    for (const std::string& argument : arguments) {
        const size_t at = UpperCase(argument).find(wanted);
        if (at != std::string::npos)
            return argument.substr(at + wanted.size());
    }
    return {};
}

std::string CommandLineValue(const std::string& key) {
    return ArgumentValue(OracleCommandLine(), key);
}

void InitializeOracleClient() {
    TOracleLockGuard guard(OracleLibraryLock());
    if (OracleClientLoaded())
        return;
    LoadAndBind();
    TOciEntryPoints& oci = State().EntryPoints;
    if (oci.HasOpinit && !oci.OCI8)
        reinterpret_cast<sword (*)(ub4)>(oci.opinit)(0);
    else if (oci.OCI8 && !oci.OCI81)
        oci.OCIInitialize(OCI_THREADED | OCI_OBJECT, nullptr, nullptr, nullptr, nullptr);
}

void ResetOracleClient() {
    TOracleLockGuard guard(OracleLibraryLock());
    TLibraryState& state = State();
    if (state.Module)
        dlclose(state.Module);
    for (auto neighbour = state.Neighbours.rbegin(); neighbour != state.Neighbours.rend(); ++neighbour)
        dlclose(*neighbour);
    state.Neighbours.clear();
    state.Module = nullptr;
    state.Path.clear();
    state.EntryPoints = TOciEntryPoints{};
}

bool OracleClientLoaded() {
    return State().Module != nullptr;
}

std::string OracleClientPath() {
    return State().Path;
}

std::string OracleClientLog() {
    return JoinLog(State().Log);
}

TOciEntryPoints& Oci() {
    return State().EntryPoints;
}

TOracleCriticalSection& OracleLibraryLock() {
    static TOracleCriticalSection lock;
    return lock;
}
