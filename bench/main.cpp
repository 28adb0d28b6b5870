// Times the search dialog's scan over a large ordinary list against the bare engine
// fetch of the same rows and the list's own reading, measures the memory a read row
// holds, and the opening of the list. Prints figures only.
//
//   zanderol-bench [rows]      (100000 when not given)

#include "DatabaseCreator.h"
#include "DatabasePath.h"
#include "FbApi.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"
#include "MessageSeam.h"
#include "ModalSeam.h"
#include "Money.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <limits>
#include <unistd.h>

namespace {

// Counts the warnings instead of showing them.
class SilentMessages : public MessageSink
{
public:
    void warning(const QString &text) override { warnings << text; }
    bool confirm(const QString &) override { return false; }
    QStringList warnings;
};

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString ms(qint64 elapsed)
{
    return QStringLiteral("%1 ms").arg(elapsed, 7);
}

void insertOrders(TDM &dm, int count)
{
    FbTransaction transaction(dm.Baza);
    transaction.start();
    FbQuery insert(transaction);
    insert.setSql(QStringLiteral("insert into ZWYKLE (PRZELEWID, NAZWA1_NAD, NAZWA2_NAD, NAZWA1_ODB, NAZWA2_ODB,"
                                 " KWOTA, PRZELEW, DATA_WPR) values (:ID, :N1, :N2, :O1, :O2, :KWOTA, 'T', :DATA)"));
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 1; i <= count; ++i) {
        insert.setParam(QStringLiteral("ID"), i);
        insert.setParam(QStringLiteral("N1"), QStringLiteral("Przedsiębiorstwo Handlowe %1").arg(i));
        insert.setParam(QStringLiteral("N2"), QStringLiteral("ul. Długa %1, Łódź").arg(i % 200));
        insert.setParam(QStringLiteral("O1"), QStringLiteral("Hurtownia Żółw %1 sp. z o.o.").arg(i % 977));
        insert.setParam(QStringLiteral("O2"), QStringLiteral("Oddział %1").arg(i % 31));
        insert.setParam(QStringLiteral("KWOTA"), QVariant::fromValue(Money::fromGrosze(1000 + (i * 7919) % 9000000)));
        insert.setParam(QStringLiteral("DATA"), now);
        insert.execute();
    }
    transaction.commit();
}

// The limit: the list's statement through the bare OO API, every row fetched into the
// message buffer and nothing converted.
int bareFetch(TDM &dm)
{
    FbTransaction transaction(dm.Baza);
    transaction.start();
    const QByteArray sql("select * from ZWYKLE order by PRZELEWID desc");
    FbApi::Status status;
    FbApi::Ref<Firebird::IStatement> statement(dm.Baza.attachment()->prepare(
        &status, transaction.handle(), unsigned(sql.size()), sql.constData(), FbConnection::Dialect,
        Firebird::IStatement::PREPARE_PREFETCH_METADATA));
    status.check();
    FbApi::Ref<Firebird::IMessageMetadata> out(statement->getOutputMetadata(&status));
    status.check();
    QByteArray buffer(int(out->getMessageLength(&status)), '\0');
    Firebird::IResultSet *cursor = statement->openCursor(&status, transaction.handle(), nullptr, nullptr, out.get(), 0);
    status.check();
    int rows = 0;
    while (cursor->fetchNext(&status, buffer.data()) == Firebird::IStatus::RESULT_OK)
        ++rows;
    status.check();
    cursor->close(&status);
    status.check();
    transaction.commit();
    return rows;
}

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
    select.setSql(QStringLiteral("select * from ZWYKLE order by PRZELEWID desc"));
    select.open();
    QVector<QVariant> row;
    int rows = 0;
    while (select.fetch(row))
        ++rows;
    transaction.commit();
    return rows;
}

// "Szukaj" from the beginning for a text no row has, so every row is examined.
void searchForNothing(TSzukajFrm &search)
{
    ModalSeam::install([](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("EdTekst"))->setText(QStringLiteral("nie ma takiego"));
        dialog.findChild<QCheckBox *>(QStringLiteral("EdCzesc"))->setChecked(true);
        dialog.findChild<QCheckBox *>(QStringLiteral("EdCaps"))->setChecked(false);
        dialog.findChild<QRadioButton *>(QStringLiteral("StartBox1"))->setChecked(true);
        dialog.findChild<QPushButton *>(QStringLiteral("PostBtn"))->click();
        return dialog.result();
    });
    search.SearchOrdinary();
    ModalSeam::install(nullptr);
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The main window keeps its position on closing; the user's own file stays untouched.
    QStandardPaths::setTestModeEnabled(true);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: zanderol-bench [rows]\n");
        return 2;
    }

    QTemporaryDir directory;
    const QString database = QDir(directory.path()).filePath(QStringLiteral("bench.fdb"));
    try {
        CreateEmptyDatabase(database);
        QFile ini(QDir(directory.path()).filePath(QStringLiteral("Zanderol.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            throw FbError(QStringLiteral("cannot write %1").arg(ini.fileName()));
        ini.write(QStringLiteral("[Baza]\nPlik=%1\n").arg(database).toUtf8());
        ini.close();
        SetConfigDirectory(directory.path());

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

        bareFetch(dm); // warms the page cache for every measurement
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
            bareRows = bareFetch(dm);
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
        say(QStringLiteral("search / bare fetch: %1 (goal <= 1.5); own fetch / bare fetch: %2")
                .arg(bare > 0 ? double(scan) / double(bare) : 0.0, 0, 'f', 2)
                .arg(bare > 0 ? double(own) / double(bare) : 0.0, 0, 'f', 2));
        MessageSeam::install(nullptr);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zanderol-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
