#include "Backup.h"
#include "FDM.h"
#include "FbError.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "Money.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Orders of the three kinds and a contractor with Polish letters, amounts to the grosz.
const QStringList Rows = {
    "insert into ZWYKLE (PRZELEWID, NAZWA1_NAD, KWOTA, DATA_WPR) values (11, 'Zakład Łódź', 1234.56, current_timestamp)",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_NAD, KWOTA, DATA_WPR) values (12, 'Żółw', 0.01, current_timestamp)",
    "insert into PODATKOWE (PRZELEWID, NAZWA1_NAD, KWOTA, DATA_WPR) values (13, 'Podatnik', 999999999.99, current_timestamp)",
    "insert into ZUS (PRZELEWID, NAZWA1_NAD, KWOTA_51, KWOTA_52, KWOTA_53, DATA_WPR) values (14, 'Płatnik', 1.10, 2.20, 3.30, current_timestamp)",
    "insert into ADRESACI (ADRESATID, NAZWA) values (1, 'Śląsk sp. z o.o.')",
};

// Every row of the list as "id|name|amount" texts, in the list's order.
QStringList rowsOf(Dataset &list, const char *amount)
{
    QStringList rows;
    for (int row = 0; row < list.fetchedCount(); ++row)
        rows << QStringLiteral("%1|%2|%3").arg(list.valueAt(row, "PRZELEWID").toString(),
                                              list.valueAt(row, "NAZWA1_NAD").toString(),
                                              QString::number(list.valueAt(row, amount).value<Money>().grosze()));
    return rows;
}

struct Contents
{
    QStringList ordinary, tax, zus;
    QString contractor;
    bool operator==(const Contents &) const = default;
};

Contents contentsOf(const FreshDatabase &config, const QString &database)
{
    config.writeIni(database);
    TDM dm;
    EXPECT_TRUE(dm.ConnectDatabase()) << database.toStdString();
    for (Dataset *list : {&dm.Zwykle, &dm.Podatkowe, &dm.Zusowe})
        while (!list->allFetched())
            list->fetchMore(100);
    return {.ordinary = rowsOf(dm.Zwykle, "KWOTA"), .tax = rowsOf(dm.Podatkowe, "KWOTA"),
            .zus = rowsOf(dm.Zusowe, "KWOTA_51"), .contractor = dm.Adresaci.value("NAZWA").toString()};
}

void overwrite(const QString &path, const std::function<QByteArray(const QByteArray &)> &change)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray changed = change(file.readAll());
    file.resize(0);
    file.seek(0);
    file.write(changed);
}

}

// A backup of a database with orders of the three kinds, restored into a new file:
// every row is there, to the grosz and the letter, and the restored database passes
// the engine's validation. A backup that is damaged, or a target that exists, is
// refused with a Polish message, and no database is left where the restore pointed.
TEST(BackupRestore, RestoresEveryRowIntoANewFileAndRefusesWhatCannotBeTrusted)
{
    const struct
    {
        const char *name;
        std::function<void(const QString &backup, const QString &target)> spoil;
        const char *refusal; // empty: the restore must succeed
    } cases[] = {
        {"whole backup", [](const QString &, const QString &) {}, ""},
        {"cut in half", [](const QString &backup, const QString &) {
             overwrite(backup, [](const QByteArray &bytes) { return bytes.left(bytes.size() / 2); });
         }, "Plik jest uszkodzony albo nie jest kopią zapasową bazy danych."},
        {"no backup at all", [](const QString &backup, const QString &) {
             overwrite(backup, [](const QByteArray &bytes) { return QByteArray(bytes.size(), 'x'); });
         }, "Plik jest uszkodzony albo nie jest kopią zapasową bazy danych."},
        {"target exists", [](const QString &, const QString &target) {
             QFile file(target);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("cudza baza");
         }, "odtworzyć można tylko do nowego pliku"},
    };

    FreshDatabase db;
    db.execute(Rows);
    const Contents original = contentsOf(db, db.path());
    ASSERT_EQ(original.ordinary.size(), 2);
    ASSERT_EQ(original.zus, QStringList{"14|Płatnik|110"});

    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString backup = QDir(db.directory()).filePath(QString::fromLatin1(c.name) + ".fbk");
        const QString target = QDir(db.directory()).filePath(QString::fromLatin1(c.name) + ".fdb");
        QStringList progress;
        BackupDatabase(db.path(), BuiltInLogin(), backup, [&](const QString &line) { progress << line; });
        EXPECT_FALSE(progress.isEmpty()) << "the backup showed no progress";
        EXPECT_FALSE(QFileInfo::exists(backup + ".part"));
        c.spoil(backup, target);
        const QByteArray before = QFileInfo::exists(target) ? [&] { QFile f(target); f.open(QIODevice::ReadOnly); return f.readAll(); }() : QByteArray();

        QString refusal;
        try {
            RestoreDatabase(backup, target, BuiltInLogin(), {});
        } catch (const FbError &error) {
            refusal = error.message();
        }
        if (*c.refusal == 0) {
            ASSERT_EQ(refusal, QString());
            EXPECT_NO_THROW(ValidateDatabase(target, BuiltInLogin()));
            EXPECT_EQ(contentsOf(db, target), original);
            continue;
        }
        EXPECT_TRUE(refusal.startsWith("Nie udało się odtworzyć bazy " + target)) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.refusal))) << refusal.toStdString();
        if (before.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(target)) << "a failed restore left a database behind";
        } else {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), before) << "the existing file was touched";
        }
    }
    // The open database was only read.
    EXPECT_EQ(contentsOf(db, db.path()), original);
}

// A backup into a folder that cannot be written says so in Polish, naming the folder,
// and leaves no file that looks whole.
TEST(BackupRestore, ABackupIntoAFolderThatCannotBeWrittenIsSaidInPolish)
{
    FreshDatabase db;
    const QDir directory(db.directory());
    QFile plainFile(directory.filePath("plik"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    ASSERT_TRUE(directory.mkdir("tylko do odczytu"));
    QFile::setPermissions(directory.filePath("tylko do odczytu"), QFile::ReadOwner | QFile::ExeOwner);
    const bool root = QFileInfo(directory.filePath("tylko do odczytu")).isWritable(); // root writes anywhere
    const char *folders[] = {"nie ma katalogu", "plik", "tylko do odczytu"};
    for (const char *folder : folders) {
        if (root && QString(folder) == "tylko do odczytu")
            continue;
        const QString backup = directory.filePath(QString(folder) + "/kopia.fbk");
        QString message;
        try {
            BackupDatabase(db.path(), BuiltInLogin(), backup, {});
        } catch (const FbError &error) {
            message = error.message();
        }
        EXPECT_EQ(message, "Nie udało się wykonać kopii zapasowej bazy " + db.path() + " do pliku " + backup + ".\n"
                               "Nie można zapisywać w katalogu " + directory.filePath(folder) +
                               ": katalog nie istnieje albo brak uprawnień do zapisu w nim. Wybierz inny katalog.")
            << folder;
        EXPECT_FALSE(QFileInfo::exists(backup)) << folder;
    }
    QFile::setPermissions(directory.filePath("tylko do odczytu"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
