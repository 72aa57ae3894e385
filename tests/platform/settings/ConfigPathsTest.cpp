// The program directory and the user's configuration folder, with and without their overrides.
#include "platform/settings/ConfigPaths.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(ProgramDirectory, IsTheExecutablesFolderWithSlash) {
    TEnvOverride appDir("ZORVEKA_APPDIR", std::nullopt);
    char exe[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    EXPECT_EQ(AppDir(), std::filesystem::path(exe).parent_path().string() + "/");
}

TEST(ProgramDirectory, EnvironmentOverridesIt) {
    {
        TEnvOverride appDir("ZORVEKA_APPDIR", "/tmp/case1");
        EXPECT_EQ(AppDir(), "/tmp/case1/");
    }
    {
        TEnvOverride appDir("ZORVEKA_APPDIR", "/tmp/case2/");
        EXPECT_EQ(AppDir(), "/tmp/case2/");
    }
    TEnvOverride empty("ZORVEKA_APPDIR", "");
    EXPECT_NE(AppDir(), "/");
}

// A build tree keeps the engine beside the programs; an installed package has its data folder beside
// bin/ and the engine in lib/zorveka/, and nothing of the source tree.
TEST(ProgramDirectory, LayoutIsFoundFromTheExecutablesFolder) {
    const auto root = CaseDir();
    std::filesystem::create_directories(root / "build/bin");
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directories(root / "usr/share/zorveka/schema");
    const TProgramLayout built = ProgramLayout((root / "build/bin").string());
    EXPECT_FALSE(built.Installed);
    EXPECT_EQ(built.EngineLibrary, (root / "build/bin/liboci_sqlite.so").string());
    EXPECT_TRUE(std::filesystem::exists(built.SchemaDir + "/01_source_tables.sql")) << built.SchemaDir;
    const std::string usr = (root / "usr").string();
    const TProgramLayout installed = ProgramLayout(usr + "/bin/");
    EXPECT_TRUE(installed.Installed);
    EXPECT_EQ(installed.ExecutableDir, usr + "/bin/");
    EXPECT_EQ(installed.EngineLibrary, usr + "/bin/../lib/zorveka/liboci_sqlite.so");
    EXPECT_EQ(installed.SchemaDir, usr + "/bin/../share/zorveka/schema");
}

TEST(UserConfiguration, FollowsXdgConfigHomeElseHome) {
    TEnvOverride home("HOME", "/home/ana");
    {
        TEnvOverride xdg("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(WinIniFileName(), "/cfg/zorveka/WIN.INI");
    }
    {
        TEnvOverride xdg("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(WinIniFileName(), "/home/ana/.config/zorveka/WIN.INI");
    }
    TEnvOverride relative("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(UserConfigDir(), "/home/ana/.config/zorveka/");
}

TEST(UserConfiguration, AliasFileIsChosenInItsOrder) {
    const auto dir = CaseDir();
    TEnvOverride appDir("ZORVEKA_APPDIR", dir.string());
    TEnvOverride xdg("XDG_CONFIG_HOME", "/cfg");
    {
        TEnvOverride aliases("ZORVEKA_ALIASES", std::nullopt);
        EXPECT_EQ(AliasFileName(), "/cfg/zorveka/aliases.ini");
        WriteText(dir / "aliases.ini", "");
        EXPECT_EQ(AliasFileName(), (dir / "aliases.ini").string());
    }
    TEnvOverride aliases("ZORVEKA_ALIASES", "/etc/my-aliases.ini");
    EXPECT_EQ(AliasFileName(), "/etc/my-aliases.ini");
}
