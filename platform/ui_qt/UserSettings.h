// What the desktop program remembers per user between sessions (window place, last choices), in
// an ini file of its own beside WIN.INI. A file that cannot be read is ignored after one warning
// and written anew.
#pragma once

#include <QSettings>

//! The user's settings, opened on first use.
QSettings& UserSettings();
