#pragma once

#include <functional>

class Dataset;

// Stores one row of a shared list as an editor's "&Zapisz" does: a new row is
// appended, an existing one put into edit state; write fills its columns (taking a
// new identifier where it needs one); the row is posted; then afterPost runs (the
// reopen that commits it and positions the list).
//
// Nothing half-stored is ever left in the list: any failure before the post has
// succeeded cancels the pending change, so the next "&Zapisz" starts afresh and
// "&Anuluj" leaves no ghost row. Every failure is reported through the general error
// report (a duplicate name has already told the user and is silent here).
enum class StoreResult {
    Stored,         // posted and reopened: the editor may close
    Failed,         // nothing stored; the editor stays open with what was typed
    PostedNotShown, // posted, but the reopen failed: the row exists, so the editor must
                    // not add it again (it is no longer new); it stays open
};

StoreResult StoreRow(Dataset &dataset, bool isNew, const std::function<void()> &write,
                     const std::function<void()> &afterPost);
