// Referent lookup: a missing or unreadable file never stops a run, it only leaves the user code.
#include "app/ReferentFile.h"

#include "platform/settings/IniFile.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsBlank(const std::string& text) {
    return TrimBlanksAndControls(text).empty();
}

} // namespace

std::string ReferentFileName(const std::string& appDir, const std::string& programName) {
    std::string name = programName;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    const bool needsSlash = !appDir.empty() && appDir.back() != '/';
    return appDir + (needsSlash ? "/" : "") + name + ".ini";
}

std::string BeriDBSReferenta(const std::string& referentFile, const std::string& user) {
    if (IsBlank(user))
        return user;
    try {
        return TIniFile(referentFile).ReadString("REFERENT", user, user);
    } catch (...) {
        return user;
    }
}

std::string FourthArgument(const std::vector<std::string>& arguments) {
    return arguments.size() >= 4 ? arguments[3] : std::string();
}
