// The connect string "user/password@database as role": split before logging on, built back for
// messages. Double quotes protect a "/" or "@" inside a quoted name and stay in the text.
#include "oracle/Oracle.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>

TConnectString ParseConnectString(const std::string& text) {
    TConnectString parts;
    std::string rest = text;
    std::replace(rest.begin(), rest.end(), '\t', ' ');
    const size_t as = UpperCase(rest).find(" AS ");
    if (as != std::string::npos) {
        parts.Role = Trim(rest.substr(as + 4), " ");
        rest = Trim(rest.substr(0, as), " ");
    }
    std::string* target = &parts.Username;
    bool quoted = false;
    for (char c : rest) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '/' && !parts.HasPassword && !parts.HasDatabase) {
            parts.HasPassword = true;
            target = &parts.Password;
            continue;
        } else if (!quoted && c == '@' && !parts.HasDatabase) {
            parts.HasDatabase = true;
            target = &parts.Database;
            continue;
        }
        *target += c;
    }
    parts.IsConnectString = parts.HasPassword || parts.HasDatabase || !parts.Role.empty() || text == "/";
    return parts;
}

TConnectAs ConnectAsFromText(const std::string& role) {
    const std::string upper = UpperCase(role);
    if (upper == "SYSDBA")
        return TConnectAs::caSYSDBA;
    if (upper == "SYSOPER")
        return TConnectAs::caSYSOPER;
    return TConnectAs::caNormal;
}

std::string TOracleSession::ConnectString() const {
    std::string text = LogonUsername;
    if (!LogonPassword.empty())
        text += "/" + LogonPassword;
    if (!LogonDatabase.empty())
        text += "@" + LogonDatabase;
    if (ConnectAs == TConnectAs::caSYSDBA)
        text += " as SYSDBA";
    else if (ConnectAs == TConnectAs::caSYSOPER)
        text += " as SYSOPER";
    return text;
}

void TOracleSession::ApplyConnectString() {
    const TConnectString parts = ParseConnectString(LogonUsername);
    if (!parts.IsConnectString)
        return;
    LogonUsername = parts.Username;
    LogonPassword = parts.Password;
    if (parts.HasDatabase)
        LogonDatabase = parts.Database;
    ConnectAs = ConnectAsFromText(parts.Role);
}
