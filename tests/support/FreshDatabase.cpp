#include "FreshDatabase.h"

#include "DatabaseCreator.h"
#include "DatabasePath.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

// Creating a database costs seconds of synchronous writes; each test gets a copy of
// one database made per test program through the program's own creation path.
QString templateDatabase()
{
    static QTemporaryDir directory;
    static const QString path = [] {
        const QString file = QDir(directory.path()).filePath(QStringLiteral("template.fdb"));
        CreateEmptyDatabase(file);
        return file;
    }();
    return path;
}

}

FreshDatabase::FreshDatabase()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary directory");
    path_ = QDir(dir_.path()).filePath(QStringLiteral("test.fdb"));
    if (!QFile::copy(templateDatabase(), path_))
        throw std::runtime_error("cannot copy the template database");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    writeIni(path_);
    SetConfigDirectory(dir_.path());
}

FreshDatabase::~FreshDatabase()
{
    SetConfigDirectory(QString());
}

void FreshDatabase::writeIni(const QString &databaseName, const QStringList &moreLines) const
{
    QFile ini(QDir(dir_.path()).filePath(QStringLiteral("Zanderol.ini")));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write Zanderol.ini");
    ini.write(QStringLiteral("[Baza]\nPlik=%1\n").arg(databaseName).toUtf8());
    for (const QString &line : moreLines)
        ini.write((line + u'\n').toUtf8());
}

void FreshDatabase::removeIni() const
{
    QFile::remove(QDir(dir_.path()).filePath(QStringLiteral("Zanderol.ini")));
}

void FreshDatabase::execute(const QStringList &statements) const
{
    RunInOneTransaction(path_, statements);
}
