// The database aliases: an ini file with one section per alias, key TYPE naming its driver and every
// other key a parameter. Turning an alias into a database name is the application's business.
#pragma once

#include "platform/settings/IniFile.h"

#include <string>
#include <vector>

class TAliasConfiguration {
public:
    // Reads AliasFileName() unless given a file.
    TAliasConfiguration();
    explicit TAliasConfiguration(const std::string& fileName);

    // Both raise Exception "Neznan vzdevek: <alias> (v datoteki <file>)" for an alias without a section.
    std::string DriverName(const std::string& alias) const;
    // "name=value" for every parameter, in file order, TYPE left out.
    std::vector<std::string> Params(const std::string& alias) const;

private:
    void RequireAlias(const std::string& alias) const;

    TIniFile file_;
};
