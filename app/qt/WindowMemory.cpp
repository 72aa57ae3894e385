// The main window's place and last choice in the user's settings.
#include "app/qt/WindowMemory.h"

#include "app/qt/MainWindow.h"
#include "app/qt/RadioGroup.h"
#include "platform/ui_qt/UserSettings.h"

namespace {
const char* const GeometryKey = "okno/polozaj";
const char* const RiskTypeKey = "okno/vrsta_tveganja";
} // namespace

void RestoreWindow(TMainWindow& window) {
    QSettings& settings = UserSettings();
    if (settings.contains(GeometryKey))
        window.restoreGeometry(settings.value(GeometryKey).toByteArray());
    window.FitToScreen();
    const int riskType = settings.value(RiskTypeKey, window.RiskType()).toInt();
    if (riskType >= 0 && riskType <= 2)
        window.rgRiskType->SetItemIndex(riskType);
}

void RememberWindow(const TMainWindow& window) {
    QSettings& settings = UserSettings();
    settings.setValue(GeometryKey, window.saveGeometry());
    settings.setValue(RiskTypeKey, window.RiskType());
    settings.sync();
}
