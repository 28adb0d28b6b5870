#include "LocalBench.h"

#include "BenchTools.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <unistd.h>

namespace {

const QByteArray OrdinaryList("select * from ZWYKLE order by PRZELEWID desc");

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// What the rows hold as data: text bytes, 4 per integer, 8 per amount and timestamp.
double averageRowBytes(const Dataset &list)
{
    qint64 bytes = 0;
    for (int row = 0; row < list.fetchedCount(); ++row)
        for (int column = 0; column < list.fieldNames().size(); ++column) {
            const QVariant value = list.valueAt(row, column);
            if (!value.isValid())
                continue;
            if (value.metaType() == QMetaType::fromType<QString>())
                bytes += value.toString().size();
            else if (value.metaType() == QMetaType::fromType<int>())
                bytes += 4;
            else
                bytes += 8;
        }
    return list.fetchedCount() > 0 ? double(bytes) / list.fetchedCount() : 0;
}

// The engine alone: one cursor over the list's own statement, every row read.
int engineFetch(TDM &dm)
{
    FbTransaction transaction(dm.Baza);
    transaction.start();
    FbQuery select(transaction);
    select.setSql(QString::fromLatin1(OrdinaryList));
    select.open();
    QVector<QVariant> row;
    int rows = 0;
    while (select.fetch(row))
        ++rows;
    transaction.commit();
    return rows;
}

}

int RunLocalBench(int count)
{
    QTemporaryDir directory;
    const QString database = QDir(directory.path()).filePath(QStringLiteral("bench.fdb"));
    CreateEmptyDatabase(database);
    UseDatabase(directory.path(), database);

    SilentMessages messages;
    MessageSeam::install(&messages);
    TDM dm;
    if (!dm.ConnectDatabase())
        throw FbError(QStringLiteral("cannot connect to %1").arg(database));
    TMainFrm mainWindow; // its grids are bound to the list, as in the program
    TSzukajFrm search;

    QElapsedTimer timer;
    timer.start();
    insertOrders(dm, count);
    say(QStringLiteral("inserting %1 ordinary orders in one transaction: %2").arg(count).arg(ms(timer.elapsed())));

    timer.restart();
    dm.ReopenOrdinaryList(0);
    say(QStringLiteral("opening the list (ReopenOrdinaryList(0)):       %1, rows read: %2 of %3")
            .arg(ms(timer.elapsed()))
            .arg(dm.Zwykle.fetchedCount())
            .arg(count));

    bareFetch(dm.Baza, OrdinaryList); // warms the page cache for every measurement
    // The machine is shared and noisy: the three readings are taken in turn, several
    // times, and each one's best is compared, so a slow moment does not favour either side.
    constexpr int Rounds = 5;
    qint64 bare = std::numeric_limits<qint64>::max();
    qint64 own = bare;
    qint64 scan = bare;
    int bareRows = 0;
    double perRow = 0;
    double rowBytes = 0;
    for (int round = 0; round < Rounds; ++round) {
        timer.restart();
        bareRows = bareFetch(dm.Baza, OrdinaryList);
        bare = qMin(bare, timer.elapsed());

        dm.ReopenOrdinaryList(0);
        const qint64 before = residentBytes();
        timer.restart();
        dm.Zwykle.fetchAll();
        own = qMin(own, timer.elapsed());
        if (round == 0) { // later rounds reuse memory the first one gave back
            perRow = double(residentBytes() - before) / qMax(1, dm.Zwykle.fetchedCount());
            rowBytes = averageRowBytes(dm.Zwykle);
        }

        dm.ReopenOrdinaryList(0);
        timer.restart();
        searchForNothing(search);
        scan = qMin(scan, timer.elapsed());
    }
    say(QStringLiteral("best of %1 rounds, each reading every row:").arg(Rounds));
    say(QStringLiteral("bare OO API fetch of the list's statement:      %1, rows: %2").arg(ms(bare)).arg(bareRows));

    timer.restart();
    const int fetched = engineFetch(dm);
    say(QStringLiteral("FbQuery fetch converting every value:           %1, rows: %2").arg(ms(timer.elapsed())).arg(fetched));
    say(QStringLiteral("the list's own fetch of every row:              %1, rows: %2").arg(ms(own)).arg(dm.Zwykle.fetchedCount()));
    say(QStringLiteral("memory held per row read: %1 bytes; the row's own data: %2 bytes; ratio %3 (goal <= 2)")
            .arg(perRow, 0, 'f', 0).arg(rowBytes, 0, 'f', 0).arg(rowBytes > 0 ? perRow / rowBytes : 0.0, 0, 'f', 2));
    say(QStringLiteral("search finding nothing, from \"początku\":       %1, rows examined: %2, warning: %3")
            .arg(ms(scan))
            .arg(dm.Zwykle.fetchedCount())
            .arg(messages.warnings.value(0, QStringLiteral("(none)"))));
    say(QStringLiteral("search / bare fetch: %1 (goal <= 1.5); own fetch / bare fetch: %2").arg(ratio(scan, bare), ratio(own, bare)));
    MessageSeam::install(nullptr);
    return 0;
}
