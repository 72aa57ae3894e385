// The window's text of the programs' one version.
#pragma once

#include "platform/ui/ProgramVersion.h"

#include <string>

//! The version line of the window's status area.
inline std::string VersionLabel() {
    return std::string("verzija ") + ProgramVersion + " avgust 2023";
}
