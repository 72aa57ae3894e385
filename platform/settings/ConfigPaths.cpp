// Resolves the program directory and the configuration folder from the environment and /proc.
#include "platform/settings/ConfigPaths.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

} // namespace

TProgramLayout ProgramLayout(const std::string& executableDir) {
    TProgramLayout layout;
    layout.ExecutableDir = WithSlash(executableDir);
    const std::string prefix = layout.ExecutableDir + "../";
    std::error_code unknown;
    layout.Installed =
        !executableDir.empty() && std::filesystem::is_directory(prefix + "share/zorveka", unknown);
    layout.EngineLibrary =
        (layout.Installed ? prefix + "lib/zorveka/" : layout.ExecutableDir) + "liboci_sqlite.so";
    layout.SchemaDir = layout.Installed ? prefix + "share/zorveka/schema" : ZORVEKA_SCHEMA_DIR;
    return layout;
}

TProgramLayout ProgramLayout() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return ProgramLayout(error ? "" : executable.parent_path().string());
}

std::string AppDir() {
    const std::string overridden = Environment("ZORVEKA_APPDIR");
    if (!overridden.empty())
        return WithSlash(overridden);
    const TProgramLayout layout = ProgramLayout();
    if (!layout.Installed)
        return layout.ExecutableDir;
    const std::string own = UserConfigDir();
    std::error_code ignored; // a folder that cannot be made fails the first write into it, with its name
    std::filesystem::create_directories(own, ignored);
    return own;
}

std::string UserConfigDir() {
    // A relative XDG_CONFIG_HOME is invalid by the XDG convention and is ignored.
    const std::string xdg = Environment("XDG_CONFIG_HOME");
    const std::string base = !xdg.empty() && xdg[0] == '/' ? xdg : Environment("HOME") + "/.config";
    return WithSlash(base) + "zorveka/";
}

std::string WinIniFileName() {
    return UserConfigDir() + "WIN.INI";
}

std::string AliasFileName() {
    const std::string overridden = Environment("ZORVEKA_ALIASES");
    if (!overridden.empty())
        return overridden;
    const std::string beside = AppDir() + "aliases.ini";
    std::error_code unknown; // a program folder that cannot be examined has no alias file to offer
    return std::filesystem::exists(beside, unknown) ? beside : UserConfigDir() + "aliases.ini";
}
