#include "DatabasePath.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString configDirectory;
}

void SetConfigDirectory(const QString &directory)
{
    configDirectory = directory;
}

QString ConfigFilePath()
{
    const QString directory = configDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : configDirectory;
    return QDir(directory).filePath(QStringLiteral("Zanderol.ini"));
}

QString ReadDatabasePath()
{
    return ReadIniValue(ConfigFilePath(), QStringLiteral("Baza"), QStringLiteral("Plik"));
}
