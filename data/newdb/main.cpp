// zanderol-newdb [--demo] PATH: creates a new Zanderol database.

#include "DatabaseCreator.h"
#include "DemoData.h"
#include "FbError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        std::fprintf(stderr, "usage: zanderol-newdb [--demo] PATH\n");
        return 2;
    }
    const QString path = args.first();
    // A server-qualified name cannot be checked here; the server refuses an existing file itself.
    if (!path.contains(u':') && QFileInfo::exists(path)) {
        std::fprintf(stderr, "zanderol-newdb: %s already exists\n", qPrintable(path));
        return 1;
    }
    try {
        CreateEmptyDatabase(path);
        if (demo)
            AddDemoData(path);
    } catch (const FbError &error) {
        std::fprintf(stderr, "zanderol-newdb: %s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
