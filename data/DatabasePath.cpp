#include "DatabasePath.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("Zanderol.ini");
QString configDirectory;

}

void SetConfigDirectory(const QString &directory)
{
    configDirectory = directory;
}

QStringList ConfigFileCandidates()
{
    if (!configDirectory.isEmpty())
        return {QDir(configDirectory).filePath(FileName)};
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {
        QDir(QCoreApplication::applicationDirPath()).filePath(FileName),
        QDir(user).filePath(QStringLiteral("zanderol/") + FileName),
        QStringLiteral("/etc/zanderol/") + FileName,
    };
}

QString FindConfigFile(const QStringList &candidates)
{
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}

QString ConfigFileForWriting(const QStringList &candidates)
{
    const QString found = FindConfigFile(candidates);
    // The user's own file is the second place; a pinned directory is the only one.
    const QString user = candidates.size() > 1 ? candidates[1] : candidates.value(0);
    const bool machineWide = candidates.size() > 2 && found == candidates.last();
    return found.isEmpty() || machineWide ? user : found;
}

QString ConfigFilePath()
{
    return FindConfigFile(ConfigFileCandidates());
}

QString ReadDatabasePath()
{
    const QString path = ConfigFilePath();
    return path.isEmpty() ? QString() : ReadIniValue(path, QStringLiteral("Baza"), QStringLiteral("Plik"));
}

QString WriteDatabasePath(const QString &databaseName)
{
    const QString path = ConfigFileForWriting(ConfigFileCandidates());
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("Nie można utworzyć katalogu %1.").arg(QFileInfo(path).absolutePath());
    return WriteIniValue(path, QStringLiteral("Baza"), QStringLiteral("Plik"), databaseName);
}
