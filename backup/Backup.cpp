#include "Backup.h"

#include "FbApi.h"
#include "FbService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using FbService::Parameter;

bool isLocal(const QString &name)
{
    return FbService::TargetOf(name).service == QStringLiteral("service_mgr");
}

// The engine names the cause in English; the user gets it in Polish where it is a usual one.
QString likelyCause(const QString &engineMessage)
{
    const QString text = engineMessage.toLower();
    if (text.contains(QStringLiteral("no space left")) || text.contains(QStringLiteral("disk full")))
        return QStringLiteral("Brak miejsca na dysku.");
    if (text.contains(QStringLiteral("permission denied")) || text.contains(QStringLiteral("access denied"))
        || text.contains(QStringLiteral("read-only")))
        return QStringLiteral("Brak uprawnień do pliku lub katalogu.");
    if (text.contains(QStringLiteral("expected backup")) || text.contains(QStringLiteral("not a valid backup"))
        || text.contains(QStringLiteral("unexpected end of file")) || text.contains(QStringLiteral("wrong length"))
        || text.contains(QStringLiteral("bad attribute")) || text.contains(QStringLiteral("expected data attribute"))
        || text.contains(QStringLiteral("unsupported backup")))
        return QStringLiteral("Plik jest uszkodzony albo nie jest kopią zapasową bazy danych.");
    if (text.contains(QStringLiteral("already exists")) || text.contains(QStringLiteral("file exists")))
        return QStringLiteral("Plik o tej nazwie już istnieje.");
    return {};
}

[[noreturn]] void fail(const QString &what, const FbError &error)
{
    const QString cause = likelyCause(error.message());
    throw FbError(what + u'\n' + (cause.isEmpty() ? QString() : cause + u'\n') + error.message(), {error.code()});
}

}

void BackupDatabase(const QString &databaseName, const DatabaseLogin &login, const QString &backupFile,
                    const BackupProgress &progress)
{
    const FbService::Target target = FbService::TargetOf(databaseName);
    // A local backup is written under another name first: a failed one leaves no file that looks whole.
    const bool local = isLocal(databaseName);
    const QString written = local ? backupFile + QStringLiteral(".part") : backupFile;
    try {
        if (local) {
            // The engine would only say, in English, that it cannot open the file.
            const QFileInfo folder(QFileInfo(backupFile).absolutePath());
            if (!folder.isDir() || !folder.isWritable())
                throw FbError(QStringLiteral("Nie można zapisywać w katalogu %1: katalog nie istnieje albo brak "
                                             "uprawnień do zapisu w nim. Wybierz inny katalog.")
                                  .arg(QDir::toNativeSeparators(folder.filePath())));
            QFile::remove(written);
        }
        FbService::Run(target.service, login, isc_action_svc_backup,
                       {{.kind = Parameter::Kind::Text, .tag = isc_spb_dbname, .text = target.database},
                        {.kind = Parameter::Kind::Text, .tag = isc_spb_bkp_file, .text = written},
                        {.kind = Parameter::Kind::Flag, .tag = isc_spb_verbose}},
                       progress);
        if (local) {
            QFile::remove(backupFile);
            if (!QFile::rename(written, backupFile))
                throw FbError(QStringLiteral("Nie można nadać kopii nazwy %1.").arg(backupFile));
        }
    } catch (const FbError &error) {
        if (local)
            QFile::remove(written);
        fail(QStringLiteral("Nie udało się wykonać kopii zapasowej bazy %1 do pliku %2.").arg(databaseName, backupFile), error);
    }
}

void RestoreDatabase(const QString &backupFile, const QString &newDatabaseName, const DatabaseLogin &login,
                     const BackupProgress &progress)
{
    const QString what = QStringLiteral("Nie udało się odtworzyć bazy %1 z kopii %2.").arg(newDatabaseName, backupFile);
    const bool local = isLocal(newDatabaseName);
    if (local && QFileInfo::exists(newDatabaseName))
        fail(what, FbError(QStringLiteral("Plik %1 już istnieje; odtworzyć można tylko do nowego pliku.").arg(newDatabaseName)));
    const FbService::Target target = FbService::TargetOf(newDatabaseName);
    try {
        // A backup that ends early makes the embedded engine ask its console for the
        // next volume and then stop without an error: only its closing line tells a
        // whole restore from one cut short.
        bool finished = false;
        // "create" and never "replace": the engine itself refuses a file that exists.
        FbService::Run(target.service, login, isc_action_svc_restore,
                       {{.kind = Parameter::Kind::Text, .tag = isc_spb_bkp_file, .text = backupFile},
                        {.kind = Parameter::Kind::Text, .tag = isc_spb_dbname, .text = target.database},
                        {.kind = Parameter::Kind::Number, .tag = isc_spb_options, .number = isc_spb_res_create},
                        {.kind = Parameter::Kind::Flag, .tag = isc_spb_verbose}},
                       [&](const QString &line) {
                           finished = finished || line.contains(QStringLiteral("finishing, closing, and going home"));
                           if (progress)
                               progress(line);
                       });
        if (!finished)
            throw FbError(QStringLiteral("unexpected end of file: the restore stopped before the end of the backup"));
    } catch (const FbError &error) {
        // What a failed restore left is not a database anyone may take for one.
        if (local)
            QFile::remove(newDatabaseName);
        fail(what, error);
    }
    try {
        ValidateDatabase(newDatabaseName, login);
    } catch (const FbError &error) {
        if (local)
            QFile::remove(newDatabaseName);
        fail(what, error);
    }
}

void ValidateDatabase(const QString &databaseName, const DatabaseLogin &login)
{
    const FbService::Target target = FbService::TargetOf(databaseName);
    QStringList findings;
    try {
        FbService::Run(target.service, login, isc_action_svc_repair,
                       {{.kind = Parameter::Kind::Text, .tag = isc_spb_dbname, .text = target.database},
                        {.kind = Parameter::Kind::Number, .tag = isc_spb_options,
                         .number = isc_spb_rpr_validate_db | isc_spb_rpr_full}},
                       [&findings](const QString &line) { findings << line; });
    } catch (const FbError &error) {
        throw FbError(QStringLiteral("Sprawdzenie bazy %1 wykazało błędy.\n%2").arg(databaseName, error.message()), {error.code()});
    }
    if (!findings.isEmpty())
        throw FbError(QStringLiteral("Sprawdzenie bazy %1 wykazało błędy.\n%2").arg(databaseName, findings.join(u'\n')));
}
