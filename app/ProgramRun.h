#pragma once

#include <functional>

class MessageSink;
class TDM;
class TMainFrm;

// Connects the data module, shows the main window over the open lists and brings
// its buttons in step with them (a desktop may never activate the new window).
// False when the run must end: the user has been told why.
bool StartProgram(TDM &dataModule, TMainFrm &mainWindow);

// The whole run once the application object exists: the data module and the windows
// that live for the run, the connection, the event loop, and the end of the run,
// which is the same however it comes (the main window closed, a termination signal,
// a lost connection): the main window saves its position, every transaction is
// committed, and what could not be saved is shown through messages, which stay
// installed until then. afterStart runs once the main window is up.
int RunProgram(MessageSink &messages, const std::function<void()> &afterStart = {});
