// Server errors as exceptions: the client's code and text read from an error handle, the text cut
// at 1023 characters, and the per-user list of codes that are raised as warnings instead.
#include "oracle/Oracle.h"

#include "platform/settings/ConfigPaths.h"
#include "platform/settings/IniFile.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t kMaxMessageLength = 1023;

} // namespace

std::vector<int> ReadOracleWarningCodes(const std::string& fileName) {
    const TIniFile file(fileName);
    std::vector<int> codes;
    for (int n = 1;; ++n) {
        const std::string key = std::to_string(n);
        if (!file.ValueExists("WarningCodes", key))
            break;
        const std::string value = file.ReadString("WarningCodes", key, "");
        if (value.rfind('*', 0) == 0)
            continue;
        try {
            codes.push_back(std::stoi(value));
        } catch (const std::exception&) {
            // A value that is no number names no code.
        }
    }
    return codes;
}

EOracleError::EOracleError(const std::string& message, int errorCode, const void* component,
                           TOracleSession* session)
    : Exception(message.substr(0, kMaxMessageLength)), FErrorCode(errorCode), FComponent(component),
      FSession(session) {}

const std::vector<int>& OracleWarningCodes() {
    static const std::vector<int> codes = ReadOracleWarningCodes(UserConfigDir() + "oracle.ini");
    return codes;
}

std::pair<int, std::string> ReadOracleError(sword status, OCIError* errorHandle) {
    if (status == OCI_SUCCESS)
        return {0, {}};
    if (status == OCI_NO_DATA)
        return {1403, "ORA-01403: no data found"};
    sb4 code = 0;
    std::string text(4001, '\0');
    if (errorHandle && Oci().OCIErrorGet &&
        Oci().OCIErrorGet(errorHandle, 1, nullptr, &code, reinterpret_cast<OraText*>(text.data()),
                          static_cast<ub4>(text.size()), OCI_HTYPE_ERROR) == OCI_SUCCESS) {
        text.resize(text.find('\0'));
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        return {code, text};
    }
    char fallback[64];
    std::snprintf(fallback, sizeof fallback, "OCI call failed with status %d", status);
    return {0, fallback};
}

void RaiseOracleError(sword status, OCIError* errorHandle, const void* component, TOracleSession* session) {
    const auto [code, text] = ReadOracleError(status, errorHandle);
    RaiseOracleErrorText(code, text, component, session);
}

namespace {

[[noreturn]] void RaiseWithRow(int code, const std::string& text, int row, const void* component,
                               TOracleSession* session) {
    const std::vector<int>& warnings = OracleWarningCodes();
    if (std::find(warnings.begin(), warnings.end(), code) != warnings.end()) {
        EOracleWarning warning(text, code, component, session);
        warning.SetErrorRow(row);
        throw warning;
    }
    EOracleError error(text, code, component, session);
    error.SetErrorRow(row);
    throw error;
}

} // namespace

void RaiseOracleErrorText(int code, const std::string& text, const void* component, TOracleSession* session) {
    RaiseWithRow(code, text, -1, component, session);
}

void RaiseOracleArrayError(int code, const std::string& text, int row, int rows, long long processed,
                           const void* component, TOracleSession* session) {
    const std::string where =
        row >= 0 ? " [array row " + std::to_string(row + 1) + " of " + std::to_string(rows) + "]"
                 : " [array of " + std::to_string(rows) + " rows, " + std::to_string(processed) +
                       " rows processed]";
    // The row is what the caller needs most, so a long text gives way to it.
    RaiseWithRow(code, text.substr(0, kMaxMessageLength - std::min(where.size(), kMaxMessageLength)) + where,
                 row, component, session);
}
