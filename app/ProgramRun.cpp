#include "ProgramRun.h"

#include "ConnectionFailure.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"
#include "FailureReport.h"
#include "FbSignalShutdown.h"
#include "MessageSeam.h"
#include "TDrukFrm.h"
#include "TerminationSignals.h"

#include <QApplication>

namespace {

// Keeps the messages installed until everything declared after it is gone.
class InstalledMessages
{
public:
    explicit InstalledMessages(MessageSink &sink) { MessageSeam::install(&sink); }
    ~InstalledMessages() { MessageSeam::install(nullptr); }
    InstalledMessages(const InstalledMessages &) = delete;
    InstalledMessages &operator=(const InstalledMessages &) = delete;
};

}

bool StartProgram(TDM &dataModule, TMainFrm &mainWindow)
{
    if (!ConnectAtStartup(dataModule))
        return false;
    mainWindow.show();
    mainWindow.UpdateButtons();
    return true;
}

int RunProgram(MessageSink &messages, const std::function<void()> &afterStart)
{
    RefuseFirebirdShutdownOnSignals(&TerminationSignals::requestEnd);
    InstalledMessages installed(messages);

    // Created in this order and kept for the whole run; destroyed in reverse, so the
    // main window saves its position before the data module commits and disconnects.
    TDM dataModule;
    TMainFrm mainWindow;
    TDrukFrm printDialog(&mainWindow);
    TSzukajFrm searchDialog(&mainWindow);
    mainWindow.SetPrintDialog(&printDialog);

    // Leaves every event loop, modal dialogs' included, after the main window's own closing.
    bool ending = false;
    const auto endRun = [&] {
        if (ending)
            return;
        ending = true;
        mainWindow.close();
        QCoreApplication::exit(0);
    };
    TerminationSignals::Watch signalWatch(endRun);
    SetConnectionLostAction(endRun);
    struct Forget
    {
        ~Forget() { SetConnectionLostAction({}); }
    } forget;

    if (!StartProgram(dataModule, mainWindow))
        return 1;
    // The database client has set up its own signal handling by now; ours takes over again.
    TerminationSignals::catchSignals();
    if (afterStart)
        afterStart();
    return QApplication::exec();
}
