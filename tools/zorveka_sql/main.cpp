// zorveka-sql: the line-oriented SQL console over the data access layer.
// zorveka-sql user/password@database [OCIDLL=…] [--stop-on-error] [FILE]
#include "SqlConsole.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/ProgramVersion.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <fstream>
#include <iostream>
#include <set>
#include <vector>

namespace {

const char kUsage[] = "Uporaba: zorveka-sql user/password@database [OCIDLL=...] [--stop-on-error] [FILE]";

// NAME=value arguments are the data access layer's own (OCIDLL=, ORACLEHOME=); a connect string
// whose password holds "=" is no such argument, as its name part is not a plain name.
bool IsLayerSetting(const std::string& argument) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    for (size_t i = 0; i < equals; ++i) {
        if (!std::isalpha(static_cast<unsigned char>(argument[i])) && argument[i] != '_')
            return false;
    }
    return true;
}

// The layer reads these; a typo (OCIDL=) or a second value it would take unseen is a usage error.
std::string SettingProblem(const std::string& argument, std::set<std::string>& seen) {
    std::string name = argument.substr(0, argument.find('='));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    if (name != "OCIDLL" && name != "ORACLEHOME" && name != "USERID")
        return "Neznana nastavitev " + argument;
    if (!seen.insert(name).second)
        return "Nastavitev je podana dvakrat: " + argument;
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (PrintedVersion(argc, argv, "zorveka-sql"))
        return 0;
    std::signal(SIGXFSZ, SIG_IGN); // past a file-size limit a write fails with an error to report
    std::vector<std::string> positional;
    std::set<std::string> settings;
    bool stopOnError = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--stop-on-error") {
            stopOnError = true;
        } else if (IsLayerSetting(argument)) {
            if (const std::string problem = SettingProblem(argument, settings); !problem.empty()) {
                std::cerr << problem << '\n' << kUsage << '\n';
                return TConsoleExit::UsageOrLogon;
            }
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.empty() || positional.size() > 2 || positional[0].rfind("--", 0) == 0) {
        std::cerr << kUsage << '\n';
        return TConsoleExit::UsageOrLogon;
    }
    std::ifstream file;
    if (positional.size() == 2) {
        file.open(positional[1]);
        if (!file) {
            std::cerr << "Ni mogoče odpreti " << positional[1] << '\n';
            return TConsoleExit::UsageOrLogon;
        }
    }
    TSqlConsole console(std::cout, std::cerr);
    try {
        if (!console.LogOn(positional[0]))
            return TConsoleExit::UsageOrLogon;
        return console.RunScript(file.is_open() ? static_cast<std::istream&>(file) : std::cin, stopOnError);
    } catch (const Exception& error) {
        std::cerr << error.what() << '\n';
        return TConsoleExit::StoppedOnError;
    }
}
