#include "BackupMenu.h"

#include "Backup.h"
#include "DatabasePath.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FbError.h"
#include "FileChooser.h"
#include "MessageSeam.h"
#include "ModalSeam.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

bool onServer(const QString &databaseName)
{
    const qsizetype colon = databaseName.indexOf(u':');
    return colon > 1;
}

// The directory of the open database: where a restored database is offered to go, and
// on a server where the server writes its copies.
QString databaseDirectory(const QString &databaseName)
{
    const QString path = onServer(databaseName) ? databaseName.mid(databaseName.indexOf(u':') + 1) : databaseName;
    return QFileInfo(path).absolutePath();
}

QString stem(const QString &databaseName)
{
    return QFileInfo(databaseName.mid(onServer(databaseName) ? databaseName.indexOf(u':') + 1 : 0)).completeBaseName();
}

const QString BackupFolders = QStringLiteral("Kopie");

// Where copies of a local database are offered to go and looked for: a folder the user
// finds again (not the hidden one beside the database, which goes with the computer).
// A server's copy is written by the server, into a folder of its own machine.
QString backupFolder(const QString &databaseName)
{
    return onServer(databaseName) ? databaseDirectory(databaseName) : UserFolder(BackupFolders);
}

void rememberBackupFolder(const QString &databaseName, const QString &file)
{
    if (!onServer(databaseName))
        RememberFolder(BackupFolders, file);
}

void inform(QWidget *window, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("InformacjaDlg"));
    ModalSeam::run(box);
}

// Runs a service task under a progress bar that shows the engine's lines; the user waits.
void withProgress(QWidget *window, const QString &caption, const std::function<void(const BackupProgress &)> &task)
{
    QProgressDialog progress(caption, QString(), 0, 0, window);
    progress.setObjectName(QStringLiteral("PostepDlg"));
    progress.setWindowTitle(caption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(0);
    progress.show();
    int lines = 0;
    task([&](const QString &line) {
        progress.setLabelText(caption + u'\n' + line.left(80));
        progress.setValue(++lines);
        QApplication::processEvents();
    });
}

QString dated(const QString &directory, const QString &name, const QString &suffix)
{
    const QString base = name + u'-' + QDate::currentDate().toString(Qt::ISODate);
    QString file = QDir(directory).filePath(base + suffix);
    for (int number = 2; QFileInfo::exists(file); ++number)
        file = QDir(directory).filePath(QStringLiteral("%1-%2%3").arg(base).arg(number).arg(suffix));
    return file;
}

void reportFailure(const FbError &error)
{
    MessageSeam::warning(error.message());
}

DatabaseLogin loginInUse()
{
    return {.user = DM->Baza.user(), .password = DM->Baza.password()};
}

// The login in use goes with the database: an office user's password is typed at
// start-up and written nowhere the configuration file would give it back.
bool connectKeepingLogin(const QString &database)
{
    const DatabaseLogin login = loginInUse();
    return DM->ConnectDatabase({.database = database, .user = login.user, .password = login.password});
}

}

void KopiaMnuClick(QWidget *window)
{
    const QString database = DM->Baza.databaseName();
    // The server backs a database up for its owner and its own administrator only; an
    // office user learns so here, with whom to ask, not from the engine in English.
    if (onServer(database)) {
        const QString owner = DatabaseOwner(DM->Baza);
        const QString user = DM->Baza.user();
        if (!owner.isEmpty() && user.compare(owner, Qt::CaseInsensitive) != 0
            && user.compare(QLatin1String("SYSDBA"), Qt::CaseInsensitive) != 0) {
            MessageSeam::warning(QStringLiteral("Kopię zapasową bazy na serwerze może wykonać tylko jej właściciel (%1) "
                                                "albo administrator serwera. Zaloguj się jako właściciel albo poproś go "
                                                "o wykonanie kopii.")
                                     .arg(owner));
            return;
        }
    }
    const QString server = onServer(database) ? QStringLiteral(" (ścieżka na serwerze)") : QString();
    const QString file = ChooseFile(window, QStringLiteral("Kopia zapasowa – zapisz do pliku") + server,
                                    dated(backupFolder(database), stem(database), QStringLiteral(".fbk")),
                                    QStringLiteral("Kopie zapasowe (*.fbk);;Wszystkie pliki (*)"), true);
    if (file.isEmpty())
        return;
    rememberBackupFolder(database, file);
    try {
        withProgress(window, QStringLiteral("Kopia zapasowa"),
                     [&](const BackupProgress &progress) { BackupDatabase(database, loginInUse(), file, progress); });
    } catch (const FbError &error) {
        reportFailure(error);
        return;
    }
    inform(window, QStringLiteral("Kopia zapasowa"), QStringLiteral("Kopia zapasowa bazy została zapisana w pliku %1.").arg(file));
}

void OdtworzMnuClick(QWidget *window, const std::function<void()> &afterSwitch)
{
    const QString open = DM->Baza.databaseName();
    const bool server = onServer(open);
    const QString where = server ? QStringLiteral(" (ścieżka na serwerze)") : QString();
    const QString backup = ChooseFile(window, QStringLiteral("Odtwórz z kopii – plik kopii") + where, backupFolder(open),
                                      QStringLiteral("Kopie zapasowe (*.fbk);;Wszystkie pliki (*)"), false);
    if (backup.isEmpty())
        return;
    rememberBackupFolder(open, backup);
    const QString path = ChooseFile(window, QStringLiteral("Odtwórz z kopii – nowy plik bazy") + where,
                                    dated(databaseDirectory(open), stem(open) + QStringLiteral("-odtworzona"), QStringLiteral(".fdb")),
                                    QStringLiteral("Bazy danych Firebird (*.fdb);;Wszystkie pliki (*)"), true);
    if (path.isEmpty())
        return;
    const QString restored = server ? open.left(open.indexOf(u':') + 1) + path : path;
    // The open database is never the target, whatever name leads to it.
    if (restored == open || (!server && QFileInfo::exists(path))) {
        MessageSeam::warning(QStringLiteral("Odtworzyć można tylko do nowego pliku; plik %1 już istnieje.").arg(path));
        return;
    }
    try {
        withProgress(window, QStringLiteral("Odtwarzanie z kopii"),
                     [&](const BackupProgress &progress) { RestoreDatabase(backup, restored, loginInUse(), progress); });
    } catch (const FbError &error) {
        reportFailure(error);
        return;
    }
    if (!MessageSeam::confirm(QStringLiteral("Baza została odtworzona do pliku %1 i sprawdzona.\n"
                                             "Przełączyć program na odtworzoną bazę?").arg(path)))
        return;
    const QString problem = WriteDatabasePath(restored);
    if (!problem.isEmpty()) {
        MessageSeam::warning(QStringLiteral("Program pracuje dalej na bazie %1.\n%2").arg(open, problem));
        return;
    }
    if (!connectKeepingLogin(restored)) {
        // Back to where the user was: the restored database did not open.
        WriteDatabasePath(open);
        connectKeepingLogin(open);
        MessageSeam::warning(QStringLiteral("Nie udało się połączyć z odtworzoną bazą %1; program pracuje dalej na bazie %2.")
                                 .arg(restored, open));
    }
    if (afterSwitch)
        afterSwitch();
}

void AddBackupEntries(QMenu *menu, QWidget *window, const std::function<void()> &afterSwitch)
{
    QAction *backup = menu->addAction(QStringLiteral("Kopia zapasowa…"));
    backup->setObjectName(QStringLiteral("KopiaMnu"));
    QObject::connect(backup, &QAction::triggered, window, [window] { RunGuarded([window] { KopiaMnuClick(window); }); });
    QAction *restore = menu->addAction(QStringLiteral("Odtwórz z kopii…"));
    restore->setObjectName(QStringLiteral("OdtworzMnu"));
    QObject::connect(restore, &QAction::triggered, window,
                     [window, afterSwitch] { RunGuarded([window, afterSwitch] { OdtworzMnuClick(window, afterSwitch); }); });
    menu->addSeparator();
}
