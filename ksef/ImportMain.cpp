// zanderol-import [--sender ID] DATABASE FILE|FOLDER|ZIP...
// Makes an ordinary transfer order of every KSeF invoice that is to be paid.

#include "FDM.h"
#include "FbError.h"
#include "ImportFiles.h"
#include "ImportPlan.h"
#include "ImportStore.h"
#include "ToolDatabase.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace {

struct Arguments
{
    qint32 sender = 0;
    QString database;
    QStringList paths;
};

void say(const QString &text)
{
    std::fprintf(stderr, "zanderol-import: %s\n", text.toLocal8Bit().constData());
}

void line(const QString &file, const QString &outcome)
{
    std::printf("%s: %s\n", file.toLocal8Bit().constData(), outcome.toLocal8Bit().constData());
}

std::optional<Arguments> parse(QStringList args)
{
    Arguments parsed;
    if (!args.isEmpty() && args.first() == QLatin1String("--sender")) {
        args.removeFirst();
        bool ok = false;
        parsed.sender = args.isEmpty() ? 0 : args.takeFirst().toInt(&ok);
        if (!ok || parsed.sender <= 0)
            return std::nullopt;
    }
    if (args.size() < 2 || args.first().startsWith(QLatin1String("--")))
        return std::nullopt;
    parsed.database = args.takeFirst();
    parsed.paths = args;
    return parsed;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const auto args = parse(app.arguments().mid(1));
    if (!args) {
        std::fprintf(stderr, "usage: zanderol-import [--sender ID] DATABASE FILE|FOLDER|ZIP...\n");
        return 2;
    }
    const auto read = ReadImportPaths(args->paths);
    if (const QString *error = std::get_if<QString>(&read)) {
        say(*error);
        return 2;
    }
    const ImportFiles &files = std::get<ImportFiles>(read);
    for (const QString &warning : files.warnings)
        say(warning);
    if (files.invoices.isEmpty()) {
        say(QStringLiteral("nie znaleziono żadnej faktury"));
        return 2;
    }

    const ToolDatabase database(args->database);
    if (!database.failure().isEmpty()) {
        say(database.failure());
        return 2;
    }

    try {
        TDM dm;
        if (!database.connect(dm)) {
            say(QStringLiteral("nie można otworzyć bazy danych %1").arg(args->database));
            return 2;
        }
        ImportPlanner planner;
        if (args->sender > 0 && !planner.hasContractor(args->sender)) {
            say(QStringLiteral("nie ma kontrahenta o numerze %1 (--sender)").arg(args->sender));
            return 2;
        }
        QList<PlannedInvoice> plan;
        for (const InvoiceFile &file : files.invoices) {
            plan << planner.plan(file, args->sender);
            for (const QString &note : plan.last().ksefNotes)
                say(QStringLiteral("%1: %2").arg(file.name, note));
        }
        QList<qint32> ids;
        try {
            ids = StoreImport(plan);
        } catch (const FbError &error) {
            for (const PlannedInvoice &planned : plan)
                line(planned.file, QStringLiteral("pominięto: %1").arg(planned.becomesOrder()
                                                                          ? QStringLiteral("baza danych odmówiła zapisu")
                                                                          : planned.reason));
            say(error.message());
            return 1;
        }
        bool allStored = true;
        for (qsizetype i = 0; i < plan.size(); ++i) {
            allStored = allStored && plan[i].becomesOrder();
            line(plan[i].file, plan[i].becomesOrder() ? QString::number(ids[i])
                                                      : QStringLiteral("pominięto: %1").arg(plan[i].reason));
        }
        return allStored ? 0 : 1;
    } catch (const FbError &error) {
        say(error.message());
        return 1;
    } catch (const std::exception &error) {
        say(QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
