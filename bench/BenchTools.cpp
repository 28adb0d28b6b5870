#include "BenchTools.h"

#include "DatabasePath.h"
#include "FDM.h"
#include "FSzukajFrm.h"
#include "FbApi.h"
#include "ModalSeam.h"
#include "Money.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <limits>

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString ms(qint64 elapsed)
{
    return QStringLiteral("%1 ms").arg(elapsed, 7);
}

QString ratio(qint64 part, qint64 whole)
{
    return QString::number(whole > 0 ? double(part) / double(whole) : 0.0, 'f', 2);
}

void UseDatabase(const QString &directory, const QString &database, const QString &user, const QString &password)
{
    QFile ini(QDir(directory).filePath(QStringLiteral("Zanderol.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        throw FbError(QStringLiteral("cannot write %1").arg(ini.fileName()));
    QString text = QStringLiteral("[Baza]\nPlik=%1\n").arg(database);
    if (!user.isEmpty())
        text += QStringLiteral("Uzytkownik=%1\nHaslo=%2\n").arg(user, password);
    ini.write(text.toUtf8());
    ini.close();
    SetConfigDirectory(directory);
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

int bareFetch(FbConnection &connection, const QByteArray &sql)
{
    FbTransaction transaction(connection);
    transaction.start();
    FbApi::Status status;
    FbApi::Ref<Firebird::IStatement> statement(connection.attachment()->prepare(
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

std::vector<qint64> bestOfRounds(int rounds, const std::vector<std::function<void()>> &readings)
{
    std::vector<qint64> best(readings.size(), std::numeric_limits<qint64>::max());
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round)
        for (size_t reading = 0; reading < readings.size(); ++reading) {
            timer.restart();
            readings[reading]();
            best[reading] = qMin(best[reading], timer.elapsed());
        }
    return best;
}
