// zanderol-screenshot DATABASE DIRECTORY: starts the main window on the database as
// the program does, lets it paint, and saves pictures for the documentation: the main
// window as screenshot.png, and every window that its menu and buttons open (lists,
// editors, choosers, the interest window) as <window class>.png, the first-start window,
// and a backup (its file chooser and its closing message). Each dialog is shown through
// the modal seam, painted, grabbed and then cancelled, so nothing is stored; only the
// backup is made, into a temporary directory.

#include "DatabasePath.h"
#include "FDM.h"
#include "FPierwszyStartFrm.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"
#include "MessageSeam.h"
#include "ModalSeam.h"
#include "TDrukFrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

namespace {

// Long enough for the window manager-less X server to map and paint a window.
constexpr int PaintDelayMs = 700;

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(PaintDelayMs, &loop, &QEventLoop::quit);
    loop.exec();
}

template<typename T>
void press(QWidget &window, const char *name)
{
    if (auto *child = window.findChild<T *>(QString::fromLatin1(name))) {
        if constexpr (std::is_same_v<T, QAction>)
            child->trigger();
        else
            child->click();
    }
}

void type(QWidget &window, const char *name, const QString &text)
{
    if (auto *field = window.findChild<QLineEdit *>(QString::fromLatin1(name)))
        field->setText(text);
}

// What to do in a window before its picture is taken (fill it so the picture shows
// something) and after (open the window it leads to).
struct Visit
{
    std::function<void(QDialog &)> before;
    std::function<void(QDialog &)> after;
};

const std::map<QString, Visit> &visits()
{
    const auto openEditor = [](QDialog &list) { press<QAbstractButton>(list, "EditBtn"); };
    static const std::map<QString, Visit> all = {
        {QStringLiteral("TAdresaciTbl"), {{}, openEditor}},
        {QStringLiteral("TUrzedyTbl"), {{}, openEditor}},
        {QStringLiteral("TTytulyTbl"), {{}, openEditor}},
        {QStringLiteral("TSzablZwykleTbl"), {{}, openEditor}},
        {QStringLiteral("TSzablPodatTbl"), {{}, openEditor}},
        {QStringLiteral("TZwyklyFrm"),
         {{}, [](QDialog &editor) {
              if (auto *line = editor.findChild<QWidget *>(QStringLiteral("EdNazwa1_Odb")))
                  press<QAction>(*line, "ChooserBtn");
          }}},
        {QStringLiteral("TOdsetkiTbl"),
         {[](QDialog &window) {
              type(window, "EdKwota", QStringLiteral("10000"));
              press<QAbstractButton>(window, "ObliczBtn");
          },
          {}}},
    };
    return all;
}

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zanderol-screenshot DATABASE DIRECTORY\n");
        return 2;
    }
    const QDir output(args.at(1));
    // Pictures for the documentation: the user's own window position stays as it is.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(TMainFrm::PositionFilePath());

    QTemporaryDir config;
    QFile ini(QDir(config.path()).filePath(QStringLiteral("Zanderol.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write(QStringLiteral("[Baza]\nPlik=%1\n").arg(args.at(0)).toUtf8());
    ini.close();
    SetConfigDirectory(config.path());
    // The folders the file choosers remember stay with the pictures' run.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());

    TDM dataModule;
    TMainFrm mainWindow;
    TDrukFrm printDialog(&mainWindow);
    TSzukajFrm searchDialog(&mainWindow);
    mainWindow.SetPrintDialog(&printDialog);
    try {
        if (!dataModule.ConnectDatabase()) {
            std::fprintf(stderr, "zanderol-screenshot: cannot open %s\n", qPrintable(args.at(0)));
            return 1;
        }
    } catch (const FbError &error) {
        std::fprintf(stderr, "zanderol-screenshot: %s\n", error.message().toLocal8Bit().constData());
        return 1;
    }

    int failures = 0;
    const auto save = [&](QWidget &window, const QString &name) {
        const QString file = output.filePath(name + QStringLiteral(".png"));
        if (window.grab().save(file))
            std::printf("%s\n", qPrintable(file));
        else {
            std::fprintf(stderr, "zanderol-screenshot: cannot write %s\n", qPrintable(file));
            ++failures;
        }
    };

    QSet<QString> taken;
    ModalSeam::install([&](QDialog &dialog) {
        const QString name = dialog.objectName();
        if (taken.contains(name) || name.isEmpty())
            return int(QDialog::Rejected);
        taken.insert(name);
        const auto visit = visits().find(name);
        dialog.show();
        if (visit != visits().end() && visit->second.before)
            visit->second.before(dialog);
        settle();
        save(dialog, name);
        if (visit != visits().end() && visit->second.after)
            visit->second.after(dialog);
        dialog.hide();
        // The backup is made, into the temporary directory, for the picture of its end.
        if (auto *chooser = qobject_cast<QFileDialog *>(&dialog); chooser && name == QStringLiteral("ZapiszPlikDlg")) {
            chooser->selectFile(QDir(config.path()).filePath(QStringLiteral("kopia.fbk")));
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });

    mainWindow.show();
    mainWindow.activateWindow();
    QTimer::singleShot(0, &mainWindow, [&] {
        settle();
        mainWindow.UpdateButtons();
        save(mainWindow, QStringLiteral("screenshot"));
        auto *pages = mainWindow.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            press<QAbstractButton>(mainWindow, "EditBtn");
        }
        pages->setCurrentIndex(0);
        for (const char *entry : {"AdresaciMnu", "UrzedyMnu", "TytulyMnu", "SzablonyZwykleMnu", "SzablonyPodatMnu",
                                  "OdsetkiMnu", "KopiaMnu"})
            press<QAction>(mainWindow, entry);
        // Shown where a real first start would make its databases.
        TPierwszyStartFrm firstStart(QDir::home().filePath(QStringLiteral(".local/share/Zanderol")), &mainWindow);
        ModalSeam::run(firstStart);
        QApplication::quit();
    });
    QApplication::exec();
    ModalSeam::install(nullptr);
    return failures == 0 ? 0 : 1;
}
