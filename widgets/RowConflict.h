#pragma once

#include <QString>
#include <QVariant>
#include <vector>

class Dataset;

// A change or deletion that met another desktop's committed change of the same row.
// The list's snapshot can never change that row version, so the list is read afresh
// (its transaction committed and started again) and stands on the row as it is now;
// the user then decides, through the message seam, whether their own change still goes.
namespace RowConflict {

inline const QString ChangedQuestion = QStringLiteral(
    "Inny użytkownik zmienił tę pozycję i zapisał ją, zanim zapisano tu poprawki. Wykaz pokazuje już jego wersję.\n\n"
    "Zapisać poprawki z tego okna zamiast zmian innego użytkownika?\n\n"
    "Tak – zapisać poprawki z tego okna.\n"
    "Nie – zostawić wersję innego użytkownika; okno zostanie zamknięte, a poprawki z niego porzucone.");
inline const QString DeletedQuestion = QStringLiteral(
    "Inny użytkownik usunął tę pozycję, zanim zapisano tu poprawki.\n\n"
    "Zapisać ją ponownie, z poprawkami z tego okna?\n\n"
    "Tak – zapisać ją ponownie pod tym samym numerem.\n"
    "Nie – zostawić ją usuniętą; okno zostanie zamknięte, a poprawki z niego porzucone.");
inline const QString ChangedBeforeDeleteQuestion = QStringLiteral(
    "Inny użytkownik zmienił tę pozycję, zanim została tu usunięta. Wykaz pokazuje już jego wersję.\n\n"
    "Usunąć ją mimo to?");
inline const QString AlreadyDeleted = QStringLiteral("Inny użytkownik już usunął tę pozycję.");

// Every value of the current row, as the list holds it.
std::vector<QVariant> CurrentValues(const Dataset &rows);

// What reading the list afresh on the row found.
enum class Found {
    Gone,      // another user deleted it
    Changed,   // another user's committed change is now shown
    Unchanged, // the row is as it was read: the change in the way is not committed yet
};

// Reads the list afresh and positions it on the row whose values were seen (its key
// among them).
Found Reread(Dataset &rows, const std::vector<QVariant> &seen);

}
