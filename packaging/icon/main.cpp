// zanderol-icon DIRECTORY: writes the program's icon, drawn by the program itself, as
// DIRECTORY/<size>x<size>/apps/zanderol.png at the sizes desktops look for.

#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: zanderol-icon DIRECTORY\n");
        return 2;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString directory = QDir(args.first()).filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (!QDir().mkpath(directory) || !ApplicationImage(size).save(QDir(directory).filePath(QStringLiteral("zanderol.png")))) {
            std::fprintf(stderr, "zanderol-icon: cannot write %s\n", qPrintable(directory));
            return 1;
        }
    }
    return 0;
}
