#pragma once

class QMenu;
class QWidget;

// "Wykaz podatników VAT" > "Wczytaj plik płaski…" in the main window's "System" menu.
void AddWhitelistEntries(QMenu *system, QWidget *window);

// The entry's action, for the menu and for tests: the user chooses the Ministry's
// flat file (.7z or .json), it is read into the index (see WhitelistPlace.h) under a
// progress bar that can stop it, and a message says the list's day and counts, or
// why the file was not read (the previous list then stays).
void WczytajWykazMnuClick(QWidget *window);
