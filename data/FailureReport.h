#pragma once

#include <exception>
#include <functional>

// The heart of the application's general error report, below every window so that
// the data layer's own views report through it too. A database error shows its
// message (a conflict or a lost connection as a Polish sentence); an aborted
// operation stays silent, the user having been told already. A lost connection is
// reported once per connection, however many operations fail after it, and then
// the action set for it (the program ends its run) follows.
void ReportFailure(const std::exception &error);

// What happens after the first report of a lost connection; nothing when not set.
void SetConnectionLostAction(std::function<void()> action);

// True once a lost connection has been reported and no connection was opened since.
bool ConnectionLossReported();

// A new connection has been opened: its loss will be reported again.
void ConnectionOpened();
