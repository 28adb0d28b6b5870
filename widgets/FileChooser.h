#pragma once

#include <QString>

class QWidget;

// The program's own file dialog (headless-testable, the same on every desktop), run
// modally; `proposed` is a folder or a file's full path. Returns the file chosen, or
// an empty text when the user cancels.
QString ChooseFile(QWidget *window, const QString &title, const QString &proposed, const QString &filter, bool saving);

// Where the files of one purpose ("Pdf", "Kopie") are offered to go: the folder of the
// file last chosen for it while that folder exists, else the user's documents folder
// (the home folder where there is none). Never the working directory, which is the
// system's root for a program started from a menu.
QString UserFolder(const QString &purpose);
void RememberFolder(const QString &purpose, const QString &chosenFile);
