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

std::string AppDir() {
    const std::string overridden = Environment("ZORVEKA_APPDIR");
    if (!overridden.empty())
        return WithSlash(overridden);
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? "" : WithSlash(executable.parent_path().string());
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
