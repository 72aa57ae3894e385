// Locating the client library on Linux: an explicit file, else a home folder (argument, ORACLE_HOME,
// or the first LD_LIBRARY_PATH folder holding a client) and in it libclntsh.so before the highest
// versioned libclntsh.so.N.M. Every step is logged, since a wrong pick is otherwise hard to explain.
#include "oracle/OracleCI.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kClientName = "libclntsh.so";

// "libclntsh.so.19.1" -> {19, 1}; empty when the name is not a positive versioned client.
std::vector<int> VersionOf(const std::string& fileName) {
    const std::string prefix = kClientName + ".";
    if (fileName.rfind(prefix, 0) != 0)
        return {};
    std::vector<int> version;
    std::stringstream parts(fileName.substr(prefix.size()));
    std::string part;
    while (std::getline(parts, part, '.')) {
        if (part.empty() || !std::all_of(part.begin(), part.end(), ::isdigit))
            return {};
        version.push_back(std::atoi(part.c_str()));
    }
    const bool positive = std::any_of(version.begin(), version.end(), [](int n) { return n > 0; });
    return positive ? version : std::vector<int>{};
}

// The file to load from one folder, logging every candidate; empty when there is none.
std::string ChooseCandidate(const fs::path& folder, std::vector<std::string>& log) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return {};
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string best;
    std::vector<int> bestVersion;
    if (std::find(names.begin(), names.end(), kClientName) != names.end()) {
        log.push_back("Found: " + kClientName);
        best = kClientName;
    }
    for (const std::string& name : names) {
        const std::vector<int> version = VersionOf(name);
        if (version.empty())
            continue;
        log.push_back("Found: " + name);
        if (best != kClientName && version > bestVersion) {
            best = name;
            bestVersion = version;
        }
    }
    return best.empty() ? std::string() : (folder / best).string();
}

// A home's lib/ subfolder when it exists, else the home itself (as in an Instant Client folder).
fs::path ClientFolderOf(const fs::path& home) {
    std::error_code error;
    return fs::is_directory(home / "lib", error) ? home / "lib" : home;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The home and where it came from, or an empty home.
std::pair<std::string, std::string> FindHome(const std::vector<std::string>& commandLine) {
    const std::string argument = ArgumentValue(commandLine, "ORACLEHOME");
    if (!argument.empty())
        return {"ORACLEHOME", argument};
    const std::string environment = Environment("ORACLE_HOME");
    if (!environment.empty() && environment != ".")
        return {"ORACLE_HOME", environment};
    std::stringstream folders(Environment("LD_LIBRARY_PATH"));
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        std::vector<std::string> unused; // the chosen folder is listed again, with its log
        if (!folder.empty() && !ChooseCandidate(folder, unused).empty())
            return {"LD_LIBRARY_PATH", folder};
    }
    return {};
}

} // namespace

TClientLocation LocateClientLibrary(const std::vector<std::string>& commandLine) {
    TClientLocation location;
    const std::string forced = ArgumentValue(commandLine, "OCIDLL");
    if (!forced.empty()) {
        location.Log.push_back("OCIDLL forced to " + forced);
        location.Path = forced;
        return location;
    }
    const auto [key, home] = FindHome(commandLine);
    location.Log.push_back("OracleHomeKey: " + key);
    location.Log.push_back("OracleHomeDir: " + home);
    if (home.empty()) {
        location.FailureCode = 3;
        return location;
    }
    const fs::path folder = ClientFolderOf(home);
    location.Path = ChooseCandidate(folder, location.Log);
    if (location.Path.empty() && folder != fs::path(home))
        location.Path = ChooseCandidate(home, location.Log);
    if (location.Path.empty()) {
        location.FailureCode = 1;
        return location;
    }
    location.Log.push_back("Using: " + location.Path);
    return location;
}
