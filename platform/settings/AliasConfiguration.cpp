// Looks aliases up in their ini file; names of aliases and parameters compare without regard to case.
#include "platform/settings/AliasConfiguration.h"

#include "platform/settings/ConfigPaths.h"
#include "platform/settings/Exceptions.h"

#include <strings.h>

namespace {

const char* const DriverKey = "TYPE";

} // namespace

TAliasConfiguration::TAliasConfiguration() : TAliasConfiguration(AliasFileName()) {}

TAliasConfiguration::TAliasConfiguration(const std::string& fileName) : file_(fileName) {}

void TAliasConfiguration::RequireAlias(const std::string& alias) const {
    if (!file_.SectionExists(alias))
        throw Exception("Neznan vzdevek: " + alias + " (v datoteki " + file_.FileName() + ")");
}

std::string TAliasConfiguration::DriverName(const std::string& alias) const {
    RequireAlias(alias);
    return file_.ReadString(alias, DriverKey, "");
}

std::vector<std::string> TAliasConfiguration::Params(const std::string& alias) const {
    RequireAlias(alias);
    std::vector<std::string> params;
    for (const std::string& key : file_.ReadSection(alias))
        if (strcasecmp(key.c_str(), DriverKey) != 0)
            params.push_back(key + "=" + file_.ReadString(alias, key, ""));
    return params;
}
