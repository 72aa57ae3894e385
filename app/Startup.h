// What the start-up needs before the window works: the positional arguments of the command line,
// the database name behind an alias, and the logon of the data module's session.
#pragma once

#include "app/RunContext.h"
#include "platform/settings/AliasConfiguration.h"

#include <string>
#include <vector>

//! The arguments after the program name without the data access layer's NAME=value arguments and
//! the "--" options (and their values, for the options named in optionsWithValue).
std::vector<std::string> PositionalArguments(const std::vector<std::string>& arguments,
                                             const std::vector<std::string>& optionsWithValue = {});

//! The database name of an alias by its driver: "ODBC DSN" for a driver containing "ODBC",
//! "SERVER NAME" for "ORACLE", "DB2 DSN" for "DB2", else empty. Raises for an unknown alias.
std::string ResolveAlias(const TAliasConfiguration& aliases, const std::string& alias);

//! Sets the session's logon database, user and password from the context and runs OracleLogon1;
//! once connected, the session reads and writes dates as day.month.year. Whether it is connected.
//! Exceptions of the logon pass through (the caller shows "Prijava v … ni uspela!").
bool PrijavaVBazo(TRunContext& context);
