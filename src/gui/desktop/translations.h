// The program's texts in the user's language: its own translation compiled
// into the program and Qt's for the standard buttons and dialogs.
#pragma once

#include <QLocale>

class QCoreApplication;

// Installs both translations for locale on app (which owns them). English,
// the language of the texts in the code, needs none. Returns whether the
// program's own translation was found.
bool InstallTranslations(QCoreApplication &app, const QLocale &locale = QLocale());
