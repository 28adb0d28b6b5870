#include "ConnectionSettings.h"

#include "DatabasePath.h"
#include "FbConnection.h"
#include "IniFile.h"

bool ConnectionSettings::namesServer() const
{
    return database.indexOf(u':') > 1 || database.startsWith(QLatin1String("\\\\"));
}

ConnectionSettings ReadConnectionSettings()
{
    const QString file = ConfigFilePath();
    const QString section = QStringLiteral("Baza");
    const QString user = ReadIniValue(file, section, QStringLiteral("Uzytkownik")).trimmed();
    const QString password = ReadIniValue(file, section, QStringLiteral("Haslo"));
    if (user.isEmpty())
        return {.database = ReadDatabasePath(),
                .user = QString::fromLatin1(FbConnection::UserName),
                .password = password.isEmpty() ? QString::fromLatin1(FbConnection::Password) : password,
                .passwordGiven = !password.isEmpty()};
    return {.database = ReadDatabasePath(), .user = user, .password = password, .passwordGiven = !password.isEmpty()};
}
