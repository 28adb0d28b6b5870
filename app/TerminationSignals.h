#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the run the way closing the main window does. The
// handlers only write a byte into a pipe; the event loop reads it and ends the run,
// so a signal that comes before the loop runs waits for it instead of being lost.
// A loop that cannot take the request because a database call has hung for seconds
// (a server that no longer answers) is not waited for: the process ends at once.
namespace TerminationSignals {

// Installs the handlers: first thing in the program, and again once the database
// client (which installs its own for SIGINT and SIGTERM) has been set up.
void catchSignals();

// Asks for the end of the run; safe in a signal handler and on any thread.
void requestEnd();

// Runs endRun in the event loop for every request; lives as long as the run.
class Watch : public QObject
{
public:
    explicit Watch(std::function<void()> endRun);
    ~Watch() override;

private:
    std::function<void()> endRun_;
    QSocketNotifier *notifier_;
};

}
