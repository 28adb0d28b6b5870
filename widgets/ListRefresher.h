#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class Dataset;
class QDialog;
class TDM;

// Reads a list again, on the row it stands on, when its table changed (on another
// desktop or this one), as soon as nobody works in it: never while one of its rows is
// being edited or added, nor under an editor, a question or any window other than the
// one list window that shows it; then once that is over. Changes that come close
// together are read in one go. When the changes stop being announced (their connection
// to the server was lost) the user is told once that the lists refresh with F5 until
// they are announced again.
class ListRefresher : public QObject
{
public:
    // How long a change waits for others to join it, and how often a list that is in
    // use is looked at again.
    static constexpr int DelayMilliseconds = 200;
    static const QString NotFollowingMessage;

    explicit ListRefresher(TDM &dataModule, QObject *parent = nullptr);

    // Whether the list may be read again now: open, not being changed, and in view of
    // the user with nothing over it.
    static bool MayReopen(const Dataset &list);

private:
    void changed(const QString &name);
    void reopenWaiting();
    static bool showsList(const QDialog &dialog, const Dataset &list);

    TDM &dataModule_;
    QList<Dataset *> waiting_;
    QTimer timer_;
};
