#pragma once

class QCoreApplication;

// Qt's own dialogs, buttons and menus (file dialog, print preview, page setup, the
// context menu of every edit field) speak Polish, as the rest of the program does.
// Uses Qt's Polish translations where Qt keeps them; false when they are missing.
bool InstallQtTranslations(QCoreApplication &application);
