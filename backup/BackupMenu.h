#pragma once

#include <functional>

class QMenu;
class QWidget;

// "Kopia zapasowa…" and "Odtwórz z kopii…" in the main window's "System" menu. A
// backup goes to a file the user names (offered: the database's name and the date);
// a restore goes into a new file only, is checked, and the program may switch to it,
// after which afterSwitch runs (the main window brings its buttons in step). A
// failure is shown in Polish and the open database stays as it was.
void AddBackupEntries(QMenu *menu, QWidget *window, const std::function<void()> &afterSwitch);

// The two actions, for the menu entries and for tests.
void KopiaMnuClick(QWidget *window);
void OdtworzMnuClick(QWidget *window, const std::function<void()> &afterSwitch);
