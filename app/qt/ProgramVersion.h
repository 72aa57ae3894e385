// The program's version, one value from the build (the project's version), and the window's text of it.
#pragma once

#include <string>

inline constexpr const char* ProgramVersion = ZORVEKA_VERSION;

//! The version line of the window's status area.
inline std::string VersionLabel() {
    return std::string("verzija ") + ProgramVersion + " avgust 2023";
}
