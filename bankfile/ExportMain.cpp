// zanderol-export [--encoding windows-1250|iso-8859-2|cp852|utf-8] [--profile NAME] [--ids N,M,...]
//                 [--past today|skip] DATABASE zwykle|podatkowe FILE
// Writes the orders of one list to a bank import file (Elixir-O).

#include "BankFile.h"
#include "BankOrderSource.h"
#include "FDM.h"
#include "FbError.h"
#include "ToolDatabase.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

struct Arguments
{
    CodePage page = CodePage::Windows1250;
    QString profile;
    QList<qint32> ids;
    bool skipPast = false;
    QString database, list, file;
};

void say(const QString &text)
{
    std::fprintf(stderr, "zanderol-export: %s\n", text.toLocal8Bit().constData());
}

std::optional<Arguments> parse(QStringList args)
{
    Arguments parsed;
    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            return std::nullopt;
        const QString value = args.takeFirst();
        if (option == QLatin1String("--encoding")) {
            const auto page = CodePages::FromName(value);
            if (!page)
                return std::nullopt;
            parsed.page = *page;
        } else if (option == QLatin1String("--profile")) {
            if (BankProfile::Named(value).Name != value)
                return std::nullopt;
            parsed.profile = value;
        } else if (option == QLatin1String("--ids")) {
            for (const QString &number : value.split(u',')) {
                bool ok = false;
                const qint32 id = number.trimmed().toInt(&ok);
                if (!ok)
                    return std::nullopt;
                parsed.ids << id;
            }
        } else if (option == QLatin1String("--past") &&
                   (value == QLatin1String("today") || value == QLatin1String("skip"))) {
            parsed.skipPast = value == QLatin1String("skip");
        } else {
            return std::nullopt;
        }
    }
    if (args.size() != 3 || (args[1] != QLatin1String("zwykle") && args[1] != QLatin1String("podatkowe")))
        return std::nullopt;
    parsed.database = args[0];
    parsed.list = args[1];
    parsed.file = args[2];
    return parsed;
}

// The orders that go to the file, each one left out named; none when nothing may be
// written, said why.
QList<BankOrder> ordersToWrite(const Arguments &args, const QList<BankOrder> &orders, const QDate &today)
{
    // A number asked for and not found is a mistake in the list: no file pays a part of it.
    QStringList unknown;
    for (const qint32 id : args.ids)
        if (std::none_of(orders.cbegin(), orders.cend(), [id](const BankOrder &order) { return order.Id == id; }))
            unknown << QString::number(id);
    if (!unknown.isEmpty()) {
        say(QStringLiteral("nie ma w wykazie przelewów o numerach: %1; plik nie został zapisany")
                .arg(unknown.join(QStringLiteral(", "))));
        return {};
    }
    for (const BankRefusal &refusal : BankRefusals(orders))
        say(QStringLiteral("pominięty: %1").arg(refusal.Reason));
    QList<BankOrder> kept = WithoutRefused(orders);
    if (const QList<BankOrder> past = PastDated(kept, today); !past.isEmpty()) {
        say(QStringLiteral("%1 z datą przeszłą: %2")
                .arg(args.skipPast ? QStringLiteral("pominięte") : QStringLiteral("przeniesione na dziś"),
                     PastDatedNames(past)));
        if (args.skipPast)
            kept = WithoutPastDated(kept, today);
    }
    if (kept.isEmpty())
        say(QStringLiteral("żaden przelew nie trafił do pliku; plik nie został zapisany"));
    return kept;
}

QString profileNames()
{
    QStringList names;
    for (const BankProfile &profile : BankProfile::All())
        names << profile.Name;
    return names.join(u'|');
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const auto args = parse(app.arguments().mid(1));
    if (!args) {
        std::fprintf(stderr,
                     "usage: zanderol-export [--encoding %s] [--profile %s] [--ids N,M,...] [--past today|skip] "
                     "DATABASE zwykle|podatkowe FILE\n",
                     qPrintable(CodePages::Names().join(u'|')), qPrintable(profileNames()));
        return 2;
    }
    const ToolDatabase database(args->database);
    if (!database.failure().isEmpty()) {
        say(database.failure());
        return 1;
    }

    try {
        TDM dm;
        if (!database.connect(dm)) {
            say(QStringLiteral("cannot open the database %1").arg(args->database));
            return 1;
        }
        const QList<BankOrder> orders =
            LoadBankOrders(args->list == QLatin1String("zwykle") ? BankList::Ordinary : BankList::Tax, args->ids);
        const QDate today = QDate::currentDate();
        const QList<BankOrder> kept = ordersToWrite(*args, orders, today);
        if (kept.isEmpty())
            return 1;
        const auto written = WriteBankFile(kept, args->page, BankProfile::Named(args->profile), today);
        if (const auto *fault = std::get_if<BankFileFault>(&written)) {
            say(fault->Message);
            return 1;
        }
        QString error;
        if (!SaveBankFile(args->file, std::get<QByteArray>(written), error)) {
            say(error);
            return 1;
        }
    } catch (const FbError &error) {
        say(error.message());
        return 1;
    } catch (const std::exception &error) {
        say(QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
