// Zanderol: bank transfer orders kept in a Firebird database and printed onto the
// banks' preprinted forms.

#include "ConnectionFailure.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"
#include "FbSignalShutdown.h"
#include "MessageBoxSink.h"
#include "TDrukFrm.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tevalo"));
    QApplication::setApplicationName(QStringLiteral("Zanderol"));

    QuitApplicationWhenFirebirdShutsDown();

    MessageBoxSink messageBoxes;
    MessageSeam::install(&messageBoxes);

    // Created in this order and kept for the whole run; destroyed in reverse, so the
    // main window saves its position before the data module commits and disconnects.
    TDM dataModule;
    TMainFrm mainWindow;
    TDrukFrm printDialog(&mainWindow);
    TSzukajFrm searchDialog(&mainWindow);
    mainWindow.SetPrintDialog(&printDialog);

    if (!ConnectAtStartup(dataModule))
        return 1;

    mainWindow.show();
    const int result = QApplication::exec();
    MessageSeam::install(nullptr);
    return result;
}
