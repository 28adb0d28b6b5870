// zanderol-newdb [--demo] [--grant USER]... PATH: creates a new Zanderol database.
//
// The database's owner is the user the Firebird client takes from ISC_USER and
// ISC_PASSWORD, the built-in login without them. --grant gives the named user the
// role of an office's users (the program's rights and no more); the role is made
// even when no user is named yet.

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
    QStringList users;
    bool office = false;
    for (qsizetype i = args.indexOf(QStringLiteral("--grant")); i >= 0; i = args.indexOf(QStringLiteral("--grant"))) {
        office = true;
        args.removeAt(i);
        if (i < args.size() && !args.at(i).startsWith(u'-'))
            users << args.takeAt(i);
    }
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        std::fprintf(stderr, "usage: zanderol-newdb [--demo] [--grant USER]... PATH\n"
                             "  the owner is ISC_USER (password ISC_PASSWORD), else the built-in login\n");
        return 2;
    }
    const QString path = args.first();
    // A server-qualified name cannot be checked here; the server refuses an existing file itself.
    if (!path.contains(u':') && QFileInfo::exists(path)) {
        std::fprintf(stderr, "zanderol-newdb: %s already exists\n", qPrintable(path));
        return 1;
    }
    try {
        // A name refused after the database was made would leave it half made.
        CheckUserNames(users);
        const DatabaseLogin owner = EnvironmentLogin();
        CreateEmptyDatabase(path, owner);
        if (demo)
            AddDemoData(path, owner);
        if (office)
            GrantOfficeRole(path, owner, users);
    } catch (const FbError &error) {
        std::fprintf(stderr, "zanderol-newdb: %s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
