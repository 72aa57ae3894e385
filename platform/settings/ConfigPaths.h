// Where the program finds its files: the program directory and the user's configuration folder,
// with the environment overrides that let tests and installations move them.
#pragma once

#include <string>

// Where a program finds its own files, from the folder of its executable. The build tree keeps them
// together in bin/; an installed package has its data folder ../share/zorveka beside bin/, the engine
// in ../lib/zorveka/ and no writable program folder, so each user's configuration folder serves as one.
struct TProgramLayout {
    bool Installed = false;
    std::string ExecutableDir; //!< ends in "/"
    std::string EngineLibrary; //!< the embedded engine, liboci_sqlite.so
    std::string SchemaDir;     //!< the reporting schema's SQL scripts
};
TProgramLayout ProgramLayout(const std::string& executableDir);
// The layout of the running executable.
TProgramLayout ProgramLayout();

// The program directory ending in "/": a non-empty ZORVEKA_APPDIR ("/" appended if missing), else the
// executable's folder, or UserConfigDir() (made when missing) for an installed program.
std::string AppDir();
// $XDG_CONFIG_HOME/zorveka/ (default ~/.config/zorveka/), ending in "/".
std::string UserConfigDir();
// The user's WIN.INI: UserConfigDir() + "WIN.INI".
std::string WinIniFileName();
// The alias configuration: $ZORVEKA_ALIASES, else aliases.ini in AppDir() when it exists, else
// UserConfigDir() + "aliases.ini".
std::string AliasFileName();
