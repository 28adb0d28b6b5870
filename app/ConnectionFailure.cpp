#include "ConnectionFailure.h"

#include "FDM.h"
#include "FailureReport.h"
#include "FirstStart.h"
#include "Login.h"

QString ConnectionFailureMessage(const QString &databaseName)
{
    return QStringLiteral("Nie udało się połączyć z bazą: ") + databaseName + QStringLiteral("\r\r")
        + QStringLiteral("Najczęstsze przyczyny to:\r")
        + QStringLiteral("1. Nie został uruchomiony serwer baz danych Firebird\r")
        + QStringLiteral("   (Należy w Panelu Sterowania Windows uruchomić Firebird Server Manager \r")
        + QStringLiteral("    i uruchomić serwer przez kliknięcie przycisku Start),\r")
        + QStringLiteral("2. Brak pliku bazy: ") + databaseName;
}

bool ConnectAtStartup(TDM &dm)
{
    try {
        // The first-start window names a database in the user's configuration, which
        // the settings are then read from; the login follows for a server database.
        ChooseDatabaseOnFirstStart();
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
        dm.ShowWarning(ConnectionFailureMessage(dm.Baza.databaseName()));
    } catch (const FbError &error) {
        // Through the general report, which knows a lost connection has been told and
        // keeps the end of the run from telling it again.
        ReportFailure(error);
    } catch (const AbortOperation &) {
        // Already reported to the user.
    }
    return false;
}
