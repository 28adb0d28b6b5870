#pragma once

#include <QObject>
#include <exception>
#include <functional>

// The application's general error report. Qt lets no exception cross its event loop,
// so every event handler that may reach the database runs its work through
// RunGuarded: a database error that the window did not handle itself is shown with
// the database's own message (a conflict with another user's change, or a lost
// connection, as a Polish sentence; the loss only once, after which the run ends) and
// the window goes on as the failure left it; an aborted operation (the user has
// already been told why) ends silently. The data layer's FailureReport does the work.
// True when the work ran to its end.
bool RunGuarded(const std::function<void()> &work);

// Shows what went wrong, as RunGuarded does for an error it caught.
void ReportError(const std::exception &error);

// Connects a signal to a handler of the receiver's that runs under RunGuarded: the way
// every window wires its buttons, lists and fields.
template<typename Sender, typename Signal, typename Receiver>
void ConnectGuarded(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(sender, signal, receiver,
                     [receiver, handler] { RunGuarded([receiver, handler] { (receiver->*handler)(); }); });
}
