#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class Dataset;
class FbError;

// Stores one row of a shared list as an editor's "&Zapisz" does: a new row is
// appended, an existing one put into edit state; write fills its columns (taking a
// new identifier where it needs one); the row is posted; then afterPost runs (the
// reopen that commits it and positions the list).
//
// Nothing half-stored is ever left in the list: any failure before the post has
// succeeded cancels the pending change, so the next "&Zapisz" starts afresh and
// "&Anuluj" leaves no ghost row. Every failure is reported through the general error
// report (a duplicate name has already told the user and is silent here).
//
// A change that meets another desktop's committed change or deletion of the row reads
// the list afresh and asks (RowConflict): the user's values go over the other version,
// or into the deleted row again under its number, or the user keeps the other's.
enum class StoreResult {
    Stored,         // posted and reopened: the editor may close
    Failed,         // nothing stored; the editor stays open with what was typed
    PostedNotShown, // posted, but the reopen failed: the row exists, so the editor must
                    // not add it again (it is no longer new); it stays open
    KeptTheirs,     // the user chose another user's version over their change: the
                    // editor closes, the list shows that version
};

//
// An editor keeps one RowStore for its row: when the user chose to store again a row
// another desktop deleted, and that failed (its name taken meanwhile), every later
// "&Zapisz" stores it again, under its number, until it succeeds or the editor closes.
class RowStore
{
public:
    StoreResult Store(Dataset &dataset, bool isNew, const std::function<void()> &write,
                      const std::function<void()> &afterPost);
    // The row is no longer in the list and is being stored again: there is nothing to
    // stand on before the store.
    bool StoringAgain() const { return !again_.empty(); }

private:
    StoreResult storeOverConflict(Dataset &dataset, const std::vector<QVariant> &seen, const FbError &conflict,
                                  const std::function<void()> &write);

    // The deleted row's values as last read, while it is to be stored again.
    std::vector<QVariant> again_;
};

// Before an editor's "&Zapisz" changes the row it opened: the list normally still stands
// on it, but a reopen that failed after an earlier store, or another window, may have moved
// or closed it, and the change must never land on another row. Finds the row again
// (reopen, when given, reads the list anew and positions it on id); false, after telling
// the user that the row is gone, when it is no longer in the list.
inline const QString OrderGone = QStringLiteral("Tego przelewu nie ma już w wykazie; poprawki nie zostały zapisane.");
inline const QString TemplateGone = QStringLiteral("Tego szablonu nie ma już w wykazie; poprawki nie zostały zapisane.");
inline const QString EntryGone = QStringLiteral("Tego wpisu nie ma już w wykazie; poprawki nie zostały zapisane.");
// Deletes the current row as "&Usuń" does. When another desktop has changed or deleted
// it meanwhile, the list is read afresh and the user is told (deleted) or asked whether
// it still goes (changed). True when the row was deleted here.
bool RemoveCurrentRow(Dataset &rows);

bool StandOnStoredRow(Dataset &rows, const QString &keyField, qint32 id, const std::function<void()> &reopen,
                      const QString &gone = OrderGone);
