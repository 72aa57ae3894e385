// The start-up's command line, alias and logon. The alias rules mirror the drivers the bank's
// desktops knew; the session's date format is set here because every statement of the run compares
// date columns with day.month.year texts.
#include "app/Startup.h"

#include "platform/settings/TextUtils.h"

#include <algorithm>

namespace {

// The layer's own keys; any other text with "=" (a password, say) stays positional.
bool IsLayerArgument(const std::string& argument) {
    const std::string upper = UpperCase(argument);
    for (const char* key : {"OCIDLL=", "ORACLEHOME=", "USERID="})
        if (upper.rfind(key, 0) == 0)
            return true;
    return false;
}

bool IsOption(const std::string& argument) {
    return argument.rfind("--", 0) == 0;
}

bool TakesValue(const std::string& option, const std::vector<std::string>& optionsWithValue) {
    return std::find(optionsWithValue.begin(), optionsWithValue.end(), option) != optionsWithValue.end();
}

// The value of parameter name ("NAME=value" lines); BDE parameter names ignore case.
std::string ParamValue(const std::vector<std::string>& params, const std::string& name) {
    const std::string key = UpperCase(name) + "=";
    for (const std::string& param : params)
        if (UpperCase(param).rfind(key, 0) == 0)
            return param.substr(key.size());
    return {};
}

} // namespace

std::vector<std::string> PositionalArguments(const std::vector<std::string>& arguments,
                                             const std::vector<std::string>& optionsWithValue) {
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (IsOption(argument)) {
            if (TakesValue(argument, optionsWithValue))
                ++i;
        } else if (!IsLayerArgument(argument)) {
            positional.push_back(argument);
        }
    }
    return positional;
}

std::string ResolveAlias(const TAliasConfiguration& aliases, const std::string& alias) {
    const std::string driver = aliases.DriverName(alias);
    const std::vector<std::string> params = aliases.Params(alias);
    if (driver.find("ODBC") != std::string::npos)
        return ParamValue(params, "ODBC DSN");
    const std::string kind = UpperCase(Trim(driver));
    if (kind == "ORACLE")
        return ParamValue(params, "SERVER NAME");
    if (kind == "DB2")
        return ParamValue(params, "DB2 DSN");
    return {};
}

bool PrijavaVBazo(TRunContext& context) {
    TOracleSession& session = context.DM.OracleSession1;
    session.LogonDatabase = context.DatabaseName;
    session.LogonUsername = context.UserName;
    session.LogonPassword = context.UserPassword;
    context.DM.OracleLogon1.Execute();
    if (!session.Connected())
        return false;
    TOracleQuery dateFormat("NlsDateFormat");
    dateFormat.SetSession(&session);
    dateFormat.SetSQLText("ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
    dateFormat.Execute();
    return true;
}
