#include "ImportBench.h"

#include "BenchTools.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FbQuery.h"
#include "ImportFiles.h"
#include "ImportPlan.h"
#include "ImportStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

// The invoices of a handful of sellers, each with its own number, written from the
// Ministry's test invoice.
bool writeInvoices(const QString &folder, int count)
{
    QFile source(QStringLiteral(KSEF_TEMPLATE));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(source.readAll());
    const char *const sellers[] = {"5265877635", "5260001246", "5213000001", "7010000005"};
    for (int i = 0; i < count; ++i) {
        QString invoice = text;
        invoice.replace(QStringLiteral("#nip#"), QLatin1String(sellers[i % 4]))
            .replace(QStringLiteral("#invoice_number#"), QString::number(i + 1));
        QFile file(QDir(folder).filePath(QStringLiteral("%1.xml").arg(i + 1, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(invoice.toUtf8()) < 0)
            return false;
    }
    return true;
}

// The limit: every file read and every token of it walked, nothing kept.
void bareRead(const QString &folder)
{
    for (const QFileInfo &info : QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            throw FbError(QStringLiteral("cannot read %1").arg(info.filePath()));
        QXmlStreamReader reader(file.readAll());
        while (!reader.atEnd())
            reader.readNext();
    }
}

QList<PlannedInvoice> planFolder(const QString &folder)
{
    const auto read = ReadImportPaths({folder});
    if (const QString *error = std::get_if<QString>(&read))
        throw FbError(*error);
    ImportPlanner planner;
    QList<PlannedInvoice> plan;
    for (const InvoiceFile &file : std::get<ImportFiles>(read).invoices)
        plan << planner.plan(file, 0);
    return plan;
}

void addBuyer(TDM &dm)
{
    FbTransaction transaction(dm.Baza);
    FbQuery insert(transaction);
    insert.setSql(QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_NAD, KONTO, NIP) values "
                                 "(:ID, 'Kowalski', 'F.H.U. Jan Kowalski', '20102010260000160200043539', '1111111111')"));
    insert.setParam(QStringLiteral("ID"), dm.NewContractorId());
    transaction.start();
    insert.execute();
    transaction.commit();
}

}

int RunImportBench(int count)
{
    QTemporaryDir directory;
    const QString database = QDir(directory.path()).filePath(QStringLiteral("bench.fdb"));
    const QString folder = QDir(directory.path()).filePath(QStringLiteral("faktury"));
    CreateEmptyDatabase(database);
    UseDatabase(directory.path(), database);
    if (!QDir().mkpath(folder) || !writeInvoices(folder, count))
        throw FbError(QStringLiteral("cannot write the invoices into %1").arg(folder));

    TDM dm;
    if (!dm.ConnectDatabase())
        throw FbError(QStringLiteral("cannot connect to %1").arg(database));
    addBuyer(dm);

    QList<PlannedInvoice> plan;
    const std::vector<qint64> best = bestOfRounds(5, {[&] { bareRead(folder); }, [&] { plan = planFolder(folder); }});
    qsizetype orders = 0;
    for (const PlannedInvoice &planned : plan)
        orders += planned.becomesOrder() ? 1 : 0;
    QElapsedTimer timer;
    timer.start();
    StoreImport(plan);
    const qint64 store = timer.elapsed();

    say(QStringLiteral("%1 invoices, %2 to become orders").arg(count).arg(orders));
    say(QStringLiteral("reading with QXmlStreamReader alone:             %1").arg(ms(best[0])));
    say(QStringLiteral("import: files, invoices, numbers, planning:      %1").arg(ms(best[1])));
    say(QStringLiteral("storing the orders in one transaction:           %1").arg(ms(store)));
    say(QStringLiteral("import / XML reading alone: %1 (goal <= 2); with the storing: %2")
            .arg(ratio(best[1], best[0]), ratio(best[1] + store, best[0])));
    return orders == count ? 0 : 1;
}
