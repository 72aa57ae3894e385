// The client configuration the logon dialog lists: net service names from tnsnames.ora (following
// "ifile" entries) without the default domain, which comes from sqlnet.ora or is "WORLD".
#include "oracle/OracleCI.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace {

// The file without comment lines and without anything inside parentheses.
std::string TopLevelText(const std::string& fileName) {
    std::ifstream file(fileName);
    std::string text, line;
    int depth = 0;
    while (std::getline(file, line)) {
        if (Trim(line).rfind('#', 0) == 0)
            continue;
        for (char c : line) {
            if (c == '(')
                ++depth;
            else if (c == ')')
                depth = std::max(0, depth - 1);
            else if (depth == 0)
                text += c;
        }
        text += '\n';
    }
    return text;
}

void ReadNames(const std::string& fileName, const std::string& domain, std::set<std::string>& names,
               int depth) {
    if (depth > 8)
        return; // an ifile loop
    // At the top level an entry is "names =" followed by its (removed) description, or "ifile = file".
    const std::string text = TopLevelText(fileName);
    size_t start = 0;
    for (size_t equals = text.find('=', start); equals != std::string::npos; equals = text.find('=', start)) {
        const std::string left = Trim(text.substr(start, equals - start));
        const size_t valueEnd = text.find('\n', equals);
        const std::string value = Trim(text.substr(
            equals + 1, valueEnd == std::string::npos ? std::string::npos : valueEnd - equals - 1));
        start = equals + 1;
        if (UpperCase(left) == "IFILE") {
            ReadNames(value, domain, names, depth + 1);
            if (valueEnd == std::string::npos)
                break;
            start = valueEnd; // the file name is no part of the next entry's names
            continue;
        }
        std::stringstream list(left);
        std::string name;
        while (std::getline(list, name, ',')) {
            name = UpperCase(Trim(name));
            const std::string suffix = "." + domain;
            if (!domain.empty() && name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                name.resize(name.size() - suffix.size());
            if (!name.empty())
                names.insert(name);
        }
    }
}

} // namespace

std::string NetConfigurationDirectory() {
    if (const char* tnsAdmin = std::getenv("TNS_ADMIN"); tnsAdmin && *tnsAdmin)
        return tnsAdmin;
    std::string home = CommandLineValue("ORACLEHOME");
    if (home.empty()) {
        const char* environment = std::getenv("ORACLE_HOME");
        home = environment ? environment : "";
    }
    return home.empty() ? std::string() : home + "/network/admin";
}

std::string DefaultDomain() {
    const std::string folder = NetConfigurationDirectory();
    std::ifstream file(folder + "/sqlnet.ora");
    std::string line;
    while (std::getline(file, line)) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos && UpperCase(Trim(line.substr(0, equals))) == "NAMES.DEFAULT_DOMAIN")
            return UpperCase(Trim(line.substr(equals + 1)));
    }
    return "WORLD";
}

std::vector<std::string> NetServiceNames() {
    const std::string folder = NetConfigurationDirectory();
    if (folder.empty())
        return {};
    std::set<std::string> names;
    ReadNames(folder + "/tnsnames.ora", DefaultDomain(), names, 0);
    return std::vector<std::string>(names.begin(), names.end());
}
