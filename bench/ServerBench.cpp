#include "ServerBench.h"

#include "BenchTools.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FSzukajFrm.h"
#include "TableColumns.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

namespace {

constexpr int Contractors = 5000;
constexpr int Rounds = 5;

const QByteArray OrdinaryList("select * from ZWYKLE order by PRZELEWID desc");

// An address of three lines, and notes of none to several sentences, as an office
// keeps them.
void insertContractors(TDM &dm)
{
    FbTransaction transaction(dm.Baza);
    transaction.start();
    FbQuery insert(transaction);
    insert.setSql(QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, NAZWA1_NAD, NAZWA2_NAD,"
                                 " KONTO, NIP, TELEFON, EMAIL, TYPIDENTYF, ADRESKOR, NOTATKI) values (:ID, :NAZWA, :N1,"
                                 " :N2, :N1, :N2, :KONTO, :NIP, :TELEFON, :EMAIL, 'N', :ADRES, :NOTATKI)"));
    const QString sentence = QStringLiteral("Płatność przelewem w ciągu 14 dni od doręczenia faktury; "
                                            "w sprawach rozliczeń dzwonić do pani Żanety z księgowości. ");
    const auto padded = [](int number, int width) { return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0')); };
    for (int i = 1; i <= Contractors; ++i) {
        insert.setParam(QStringLiteral("ID"), i);
        insert.setParam(QStringLiteral("NAZWA"), QStringLiteral("Kontrahent %1 Świątek").arg(padded(i, 5)));
        insert.setParam(QStringLiteral("N1"), QStringLiteral("Zakład Usługowy „Łącznik” nr %1").arg(i));
        insert.setParam(QStringLiteral("N2"), QStringLiteral("ul. Źródlana %1, Gdańsk").arg(i % 300));
        insert.setParam(QStringLiteral("KONTO"), QStringLiteral("611090101400000712198128") + padded(i % 100, 2));
        insert.setParam(QStringLiteral("NIP"), QStringLiteral("526") + padded(i, 7));
        insert.setParam(QStringLiteral("TELEFON"), QStringLiteral("58 301 ") + padded(i % 10000, 4));
        insert.setParam(QStringLiteral("EMAIL"), QStringLiteral("biuro%1@lacznik.pl").arg(i));
        insert.setParam(QStringLiteral("ADRES"),
                        QStringLiteral("Biuro Rachunkowe „Żuraw”\r\nul. Świętokrzyska %1 m. %2\r\n00-%3 Warszawa")
                            .arg(i % 120 + 1)
                            .arg(i % 40 + 1)
                            .arg(padded(i % 1000, 3)));
        insert.setParam(QStringLiteral("NOTATKI"), i % 5 == 0 ? QVariant() : QVariant(sentence.repeated(i % 4 + 1)));
        insert.execute();
    }
    transaction.commit();
}

// The contractors' list as it was before it left the texts unread: every text read
// with its row.
void readContractorsWithTexts(TDM &dm)
{
    FbTransaction transaction(dm.Baza);
    Dataset list(transaction, QStringLiteral("AdresaciZTekstami"));
    list.setSelectSql(QStringLiteral("select * from ADRESACI order by NAZWA"));
    list.open();
    list.fetchAll();
    transaction.commit();
}

struct Reading
{
    QString label;
    std::function<void()> read;
};

}

bool ServerGiven()
{
    return !qEnvironmentVariableIsEmpty("ZANDEROL_TEST_SERVER") && !qEnvironmentVariableIsEmpty("ZANDEROL_TEST_SERVER_DIR");
}

int RunServerBench(int orders)
{
    const QString host = qEnvironmentVariable("ZANDEROL_TEST_SERVER");
    const QString file = QDir(qEnvironmentVariable("ZANDEROL_TEST_SERVER_DIR"))
                             .filePath(QStringLiteral("bench-%1.fdb").arg(QUuid::createUuid().toString(QUuid::Id128)));
    const DatabaseLogin login{.user = QStringLiteral("SYSDBA"),
                              .password = qEnvironmentVariable("ZANDEROL_TEST_SERVER_PASSWORD")};
    const QString database = host + u':' + file;
    struct RemoveAtEnd
    {
        QString file;
        ~RemoveAtEnd() { QFile::remove(file); }
    } removeAtEnd{file};

    QTemporaryDir directory;
    CreateEmptyDatabase(database, login);
    UseDatabase(directory.path(), database, login.user, login.password);
    SilentMessages messages;
    MessageSeam::install(&messages);
    {
        TDM dm;
        if (!dm.ConnectDatabase())
            throw FbError(QStringLiteral("cannot connect to %1").arg(database));
        TMainFrm mainWindow; // its grids are bound to the lists, as in the program
        TSzukajFrm search;

        QElapsedTimer timer;
        timer.start();
        insertContractors(dm);
        insertOrders(dm, orders);
        say(QStringLiteral("through the server on %1: %2 contractors and %3 ordinary orders inserted in %4")
                .arg(host).arg(Contractors).arg(orders).arg(ms(timer.elapsed())));

        const QByteArray contractorsWithoutTexts =
            (TableColumns::selectSql(QStringLiteral("ADRESACI")) + QStringLiteral(" order by NAZWA")).toLatin1();
        int contractorRows = 0, orderRows = 0;
        const std::vector<Reading> readings = {
            {QStringLiteral("bare OO API fetch of the contractors, no texts:"),
             [&] { contractorRows = bareFetch(dm.Baza, contractorsWithoutTexts); }},
            {QStringLiteral("the contractors' list, opened and read whole: "),
             [&] {
                 dm.ReopenContractors(0);
                 dm.Adresaci.fetchAll();
             }},
            {QStringLiteral("the same list reading every text (as before): "), [&] { readContractorsWithTexts(dm); }},
            {QStringLiteral("bare OO API fetch of the ordinary orders:     "),
             [&] { orderRows = bareFetch(dm.Baza, OrdinaryList); }},
            {QStringLiteral("search finding nothing, from \"początku\":      "),
             [&] {
                 dm.ReopenOrdinaryList(0);
                 searchForNothing(search);
             }},
        };
        std::vector<std::function<void()>> reads;
        for (const Reading &reading : readings)
            reads.push_back(reading.read);
        // Warms the server's page cache for every measurement.
        bareFetch(dm.Baza, contractorsWithoutTexts);
        bareFetch(dm.Baza, OrdinaryList);
        const std::vector<qint64> best = bestOfRounds(Rounds, reads);

        say(QStringLiteral("best of %1 rounds, each reading every row:").arg(Rounds));
        for (size_t i = 0; i < readings.size(); ++i)
            say(readings[i].label + u' ' + ms(best[i]));
        say(QStringLiteral("rows: %1 contractors in the list (%2 by the bare fetch), %3 orders examined (%4 by the "
                           "bare fetch)")
                .arg(dm.Adresaci.fetchedCount())
                .arg(contractorRows)
                .arg(dm.Zwykle.fetchedCount())
                .arg(orderRows));
        say(QStringLiteral("contractors' list / bare fetch without texts: %1 (goal <= 1.5); reading every text: %2")
                .arg(ratio(best[1], best[0]), ratio(best[2], best[0])));
        say(QStringLiteral("search / bare fetch of the orders: %1 (goal <= 1.5); warning: %2")
                .arg(ratio(best[4], best[3]), messages.warnings.value(0, QStringLiteral("(none)"))));
    }
    MessageSeam::install(nullptr);
    return 0;
}
