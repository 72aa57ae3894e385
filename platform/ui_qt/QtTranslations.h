// Qt's own dialogs (file, print, message-box buttons) in the user's language: Slovenian, from the
// translations Qt installs beside itself.
#pragma once

//! Installs Qt's Slovenian translations into the application; false when none is installed.
bool InstallQtTranslations();
