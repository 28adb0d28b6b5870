// zanderol-screenshot DATABASE OUTPUT.png: starts the main window on the database as
// the program does, lets it paint, and saves a picture of it.

#include "DatabasePath.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"
#include "MessageSeam.h"
#include "TDrukFrm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// Long enough for the window manager-less X server to map and paint the window.
constexpr int PaintDelayMs = 700;

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zanderol-screenshot DATABASE OUTPUT.png\n");
        return 2;
    }
    // A picture for the documentation: the user's own window position stays as it is.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(TMainFrm::PositionFilePath());

    QTemporaryDir config;
    QFile ini(QDir(config.path()).filePath(QStringLiteral("Zanderol.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write(QStringLiteral("[Baza]\nPlik=%1\n").arg(args.at(0)).toUtf8());
    ini.close();
    SetConfigDirectory(config.path());

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

    mainWindow.show();
    mainWindow.activateWindow();
    int result = 1;
    QTimer::singleShot(PaintDelayMs, &mainWindow, [&] {
        mainWindow.UpdateButtons();
        if (mainWindow.grab().save(args.at(1)))
            result = 0;
        else
            std::fprintf(stderr, "zanderol-screenshot: cannot write %s\n", qPrintable(args.at(1)));
        QApplication::quit();
    });
    QApplication::exec();
    return result;
}
