// Reading the grid settings from WIN.INI.
#include "grid/GridSettings.h"

#include "platform/settings/ConfigPaths.h"
#include "platform/settings/IniFile.h"

TGridSettings ReadGridSettings(const std::string& iniFileName) {
    const TIniFile ini(iniFileName);
    const TGridSettings defaults;
    TGridSettings settings;
    settings.FontSize = ini.ReadInteger("KESTRA", "FontSize", defaults.FontSize);
    settings.FontName = ini.ReadString("KESTRA", "FontName", defaults.FontName);
    settings.LineHeight = ini.ReadInteger("KESTRA", "LineHeight", defaults.LineHeight);
    settings.TitleFontSize = ini.ReadInteger("KESTRA", "TitleFontSize", defaults.TitleFontSize);
    settings.TitleFontName = ini.ReadString("KESTRA", "TitleFontName", defaults.TitleFontName);
    return settings;
}

const TGridSettings& GridSettings() {
    static const TGridSettings settings = ReadGridSettings(WinIniFileName());
    return settings;
}
