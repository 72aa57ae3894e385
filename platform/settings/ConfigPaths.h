// Where the program finds its files: the program directory and the user's configuration folder,
// with the environment overrides that let tests and installations move them.
#pragma once

#include <string>

// The executable's directory ending in "/"; a non-empty ZORVEKA_APPDIR replaces it ("/" appended if missing).
std::string AppDir();
// $XDG_CONFIG_HOME/zorveka/ (default ~/.config/zorveka/), ending in "/".
std::string UserConfigDir();
// The user's WIN.INI: UserConfigDir() + "WIN.INI".
std::string WinIniFileName();
// The alias configuration: $ZORVEKA_ALIASES, else aliases.ini in AppDir() when it exists, else
// UserConfigDir() + "aliases.ini".
std::string AliasFileName();
