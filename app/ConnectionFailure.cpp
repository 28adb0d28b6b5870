#include "ConnectionFailure.h"

#include "FDM.h"
#include "FailureReport.h"
#include "FbConnection.h"
#include "FirstStart.h"
#include "Login.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "host:/path", "host/port:path" or "\\host\path": the machine, without its port.
QString serverHost(const QString &databaseName)
{
    if (databaseName.startsWith(QLatin1String("\\\\")))
        return databaseName.mid(2).section(u'\\', 0, 0);
    return databaseName.section(u':', 0, 0).section(u'/', 0, 0);
}

// How a user starts the server where the program runs; elsewhere it is an
// administrator's service, which the Windows advice would only mislead about.
QString startServerAdvice()
{
#ifdef Q_OS_WIN
    return QStringLiteral("   (Należy w Panelu Sterowania Windows uruchomić Firebird Server Manager \r"
                          "    i uruchomić serwer przez kliknięcie przycisku Start),\r");
#else
    return QStringLiteral("   albo komputer ten jest niedostępny w sieci,\r");
#endif
}

// A plain path (not a server's) to a file that is not there.
bool missingFile(const ConnectionSettings &settings)
{
    return !settings.namesServer() && !QFileInfo::exists(settings.database);
}

// Why the database file that exists does not open: the engine's reason, through a
// connection of its own, as the data module keeps none.
QString localFailure(const QString &databaseName)
{
    QString reason;
    try {
        FbConnection probe;
        probe.setDatabaseName(databaseName);
        probe.open();
    } catch (const FbError &error) {
        reason = error.message();
    }
    return QStringLiteral("Nie udało się otworzyć bazy danych: %1\r\r%2").arg(QDir::toNativeSeparators(databaseName), reason);
}

}

QString ConnectionFailureMessage(const QString &databaseName)
{
    return QStringLiteral("Nie udało się połączyć z bazą: ") + databaseName + QStringLiteral("\r\r")
        + QStringLiteral("Najczęstsze przyczyny to:\r")
        + QStringLiteral("1. Nie został uruchomiony serwer baz danych Firebird na komputerze ") + serverHost(databaseName)
        + u'\r' + startServerAdvice() + QStringLiteral("2. Brak pliku bazy: ") + databaseName;
}

bool ConnectAtStartup(TDM &dm)
{
    try {
        // The first-start window names a database in the user's configuration, which
        // the settings are then read from; the login follows for a server database.
        if (!ChooseDatabaseOnFirstStart())
            return false;
        for (;;) {
            ConnectionSettings settings = ReadConnectionSettings();
            switch (LogIn(settings)) {
            case LoginResult::Cancelled:
                return false;
            case LoginResult::Unreachable:
                // Tried once already: the user has waited out one timeout, not two.
                dm.ShowWarning(ConnectionFailureMessage(settings.database));
                return false;
            case LoginResult::LoggedIn:
                break;
            }
            if (dm.ConnectDatabase(settings))
                return true;
            if (!missingFile(settings)) {
                dm.ShowWarning(settings.namesServer() ? ConnectionFailureMessage(settings.database)
                                                      : localFailure(settings.database));
                return false;
            }
            // Moved, deleted or on a disk not mounted: the user may choose again.
            if (!dm.AskConfirmation(QStringLiteral("Nie ma pliku bazy danych: %1\r\r"
                                                   "Czy wybrać bazę danych w oknie „Pierwsze uruchomienie”?")
                                        .arg(QDir::toNativeSeparators(settings.database)))
                || !ChooseDatabase())
                return false;
        }
    } catch (const FbError &error) {
        // Through the general report, which knows a lost connection has been told and
        // keeps the end of the run from telling it again.
        ReportFailure(error);
    } catch (const AbortOperation &) {
        // Already reported to the user.
    }
    return false;
}
