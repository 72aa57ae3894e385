// The per-user settings file.
#include "platform/ui_qt/UserSettings.h"

#include "platform/ui/UserInterface.h"

#include <QDir>
#include <memory>

namespace {

QString SettingsFile() {
    const QString config = qEnvironmentVariableIsSet("XDG_CONFIG_HOME")
                               ? qEnvironmentVariable("XDG_CONFIG_HOME")
                               : QDir::homePath() + "/.config";
    return config + "/zorveka/okno.ini";
}

} // namespace

QSettings& UserSettings() {
    static std::unique_ptr<QSettings> settings;
    if (!settings) {
        settings = std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat);
        if (settings->status() != QSettings::NoError) {
            Ui().ShowMessage("Nastavitev iz " + SettingsFile().toStdString() +
                             " ni mogoče prebrati; program jih ne upošteva in jih zapiše na novo.");
            settings->clear();
        }
    }
    return *settings;
}
