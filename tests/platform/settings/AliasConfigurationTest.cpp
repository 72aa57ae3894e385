// Alias lookup: driver name and parameters of an alias, unknown aliases, and the file override.
#include "platform/settings/AliasConfiguration.h"

#include "SettingsTestSupport.h"
#include "platform/settings/Exceptions.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

const char* const Aliases = "[DEMO]\nTYPE=ORACLE\nSERVER NAME=/data/demo.db\nUSER NAME=demo\n\n"
                            "[Reporting]\nSERVER NAME=x\ntype=  Oracle \n\n"
                            "[ODBCSRC]\nTYPE=Microsoft ODBC Driver\nODBC DSN=risk\n";

} // namespace

TEST(AliasLookup, DriverNameAndParametersOfAnAlias) {
    const auto path = CaseDir() / "aliases.ini";
    WriteText(path, Aliases);
    const TAliasConfiguration aliases(path.string());
    EXPECT_EQ(aliases.DriverName("DEMO"), "ORACLE");
    EXPECT_EQ(aliases.Params("DEMO"), (Lines{"SERVER NAME=/data/demo.db", "USER NAME=demo"}));
    EXPECT_EQ(aliases.DriverName("reporting"), "Oracle");
    EXPECT_EQ(aliases.Params("REPORTING"), (Lines{"SERVER NAME=x"}));
    EXPECT_EQ(aliases.Params("OdbcSrc"), (Lines{"ODBC DSN=risk"}));
}

TEST(AliasLookup, UnknownAliasIsAnErrorNamingIt) {
    const auto path = CaseDir() / "aliases.ini";
    WriteText(path, Aliases);
    const TAliasConfiguration aliases(path.string());
    try {
        aliases.DriverName("NOSUCH");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Neznan vzdevek: NOSUCH (v datoteki " + path.string() + ")");
    }
    EXPECT_THROW(aliases.Params("NOSUCH"), Exception);
    const TAliasConfiguration none((CaseDir() / "missing.ini").string());
    EXPECT_THROW(none.DriverName("DEMO"), Exception);
}

TEST(AliasLookup, DefaultConstructionReadsTheOverriddenFile) {
    const auto path = CaseDir() / "elsewhere.ini";
    WriteText(path, "[PROD]\nTYPE=DB2\nDB2 DSN=prod\n");
    TEnvOverride override("ZORVEKA_ALIASES", path.string());
    const TAliasConfiguration aliases;
    EXPECT_EQ(aliases.DriverName("PROD"), "DB2");
    EXPECT_EQ(aliases.Params("prod"), (Lines{"DB2 DSN=prod"}));
}
