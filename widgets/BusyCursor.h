#pragma once

#include <QCursor>
#include <QList>

// The busy cursor while the program waits on the database for what the user asked (a
// store, a deletion, a list read again): a lock another desktop holds or a slow server
// can make that last, and the window cannot repaint meanwhile, so the cursor is what
// tells the user it is at work. The windowing system shows it at once, though the event
// loop does not run until the wait is over.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// While a message or a question waits for the user, the cursor is the normal one, busy
// or not before; it is put back afterwards.
class NormalCursor
{
public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor &) = delete;
    NormalCursor &operator=(const NormalCursor &) = delete;

private:
    QList<QCursor> lifted_;
};
