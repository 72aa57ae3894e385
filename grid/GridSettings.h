// The grid fonts and line height of the user's WIN.INI section KESTRA, read once per process.
#pragma once

#include <string>

struct TGridSettings {
    int FontSize = 8;
    std::string FontName = "Arial CE";
    int LineHeight = 18;
    int TitleFontSize = 8;
    std::string TitleFontName = "Arial CE";
};

//! Reads a profile file's KESTRA section; missing keys keep their defaults.
TGridSettings ReadGridSettings(const std::string& iniFileName);
//! The process's settings, read from WinIniFileName() on first use.
const TGridSettings& GridSettings();
