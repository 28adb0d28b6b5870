// Zanderol: bank transfer orders kept in a Firebird database and printed onto the
// banks' preprinted forms.

#include "MessageBoxSink.h"
#include "ProgramRun.h"
#include "QtTranslations.h"
#include "TerminationSignals.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before anything else: a termination signal from now on ends the run in order.
    TerminationSignals::catchSignals();

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tevalo"));
    QApplication::setApplicationName(QStringLiteral("Zanderol"));
    InstallQtTranslations(app);

    MessageBoxSink messageBoxes;
    return RunProgram(messageBoxes);
}
