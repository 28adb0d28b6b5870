#include "ConnectionFailure.h"

#include "FDM.h"
#include "FirstStart.h"
#include "MessageSeam.h"

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
        ChooseDatabaseOnFirstStart();
        if (dm.ConnectDatabase())
            return true;
        dm.ShowWarning(ConnectionFailureMessage(dm.Baza.databaseName()));
    } catch (const FbError &error) {
        MessageSeam::warning(error.message());
    } catch (const AbortOperation &) {
        // Already reported to the user.
    }
    return false;
}
