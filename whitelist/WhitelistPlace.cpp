#include "WhitelistPlace.h"

#include "DatabasePath.h"
#include "IniFile.h"

#include <QDir>
#include <QStandardPaths>

QString WhitelistDirectory()
{
    const QString ini = ConfigFilePath();
    const QString named = ini.isEmpty() ? QString() : ReadIniValue(ini, QStringLiteral("Wykaz"), QStringLiteral("Katalog"));
    if (!named.trimmed().isEmpty())
        return named.trimmed();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("Zanderol"));
}

QString WhitelistIndexPath(const QString &directory)
{
    return QDir(directory).filePath(QStringLiteral("wykaz-vat.idx"));
}
