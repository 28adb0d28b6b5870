// zanderol-whitelist import FILE
// zanderol-whitelist check NIP ACCOUNT [--date YYYYMMDD]
// Reads the Ministry's flat file into the program's index, or checks a NIP and an
// account against it. Exit 0 listed (or read), 1 not listed, 2 an error.

#include "WhitelistCheck.h"
#include "WhitelistImport.h"
#include "WhitelistPlace.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int Listed = 0;
constexpr int NotListed = 1;
constexpr int Failed = 2;

int fail(const QString &text)
{
    std::fprintf(stderr, "zanderol-whitelist: %s\n", text.toLocal8Bit().constData());
    return Failed;
}

int usage()
{
    std::fprintf(stderr, "usage: zanderol-whitelist import FILE\n"
                         "       zanderol-whitelist check NIP ACCOUNT [--date YYYYMMDD]\n");
    return Failed;
}

// The word scripts look for first, then the same in full.
const char *statusWord(WhitelistStatus status)
{
    switch (status) {
    case WhitelistStatus::Active:
        return "czynny";
    case WhitelistStatus::Exempt:
        return "zwolniony";
    case WhitelistStatus::Virtual:
        return "wirtualny";
    case WhitelistStatus::NotListed:
        break;
    }
    return "brak";
}

int import(const QString &file)
{
    const auto imported = ImportFlatFile(file, WhitelistDirectory());
    if (const auto *failure = std::get_if<QString>(&imported))
        return fail(*failure);
    const FlatFileSummary &list = std::get<FlatFileSummary>(imported);
    std::printf("wczytano wykaz z dnia %s: czynni %lld, zwolnieni %lld, maski %lld\n",
                qPrintable(list.date.toString(QStringLiteral("yyyy-MM-dd"))), list.active, list.exempt, list.masks);
    return Listed;
}

int check(const QStringList &args)
{
    QDate day = QDate::currentDate();
    if (args.size() == 4 && args[2] == QLatin1String("--date")) {
        day = QDate::fromString(args[3], QStringLiteral("yyyyMMdd"));
        if (!day.isValid() || args[3].size() != 8)
            return fail(QStringLiteral("„%1” nie jest datą RRRRMMDD.").arg(args[3]));
    } else if (args.size() != 2) {
        return usage();
    }
    const WhitelistResult result = CheckOnWhitelist(WhitelistDirectory(), args[0], args[1], day);
    if (const auto *error = std::get_if<WhitelistError>(&result))
        return fail(error->message);
    const WhitelistAnswer &answer = std::get<WhitelistAnswer>(result);
    std::printf("%s: %s (wykaz z dnia %s)\n", statusWord(answer.status),
                WhitelistStatusText(answer.status).toUtf8().constData(),
                qPrintable(answer.listDate.toString(QStringLiteral("yyyy-MM-dd"))));
    return answer.status == WhitelistStatus::NotListed ? NotListed : Listed;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("import") && args.size() == 1)
        return import(args[0]);
    if (command == QLatin1String("check"))
        return check(args);
    return usage();
}
