#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "Money.h"

#include <QDateTime>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class DataModule : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    qint32 addOrdinary(const QString &recipient)
    {
        dm.Zwykle.append();
        const qint32 id = dm.NewTransferId();
        dm.Zwykle.setValue("PRZELEWID", id);
        dm.Zwykle.setValue("NAZWA1_ODB", recipient);
        dm.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(12345)));
        dm.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
        dm.Zwykle.post();
        dm.ReopenOrdinaryList(id);
        return id;
    }

    void addContractor(const QString &name)
    {
        dm.Adresaci.append();
        dm.Adresaci.setValue("ADRESATID", dm.NewContractorId());
        dm.Adresaci.setValue("NAZWA", name);
        dm.Adresaci.post();
    }

    FreshDatabase db;
    MessageRecorder messages;
    TDM dm;
};

}

TEST_F(DataModule, IdentifiersAreUniqueAcrossTheFiveTablesAndNeverReused)
{
    QSet<qint32> seen;
    for (int i = 0; i < 5; ++i) {
        dm.Zwykle.append();
        const qint32 id = dm.NewTransferId();
        dm.Zwykle.cancel(); // a cancelled insertion leaves a gap
        EXPECT_FALSE(seen.contains(id));
        seen.insert(id);
    }
    const qint32 ordinary = addOrdinary("Odbiorca");
    EXPECT_FALSE(seen.contains(ordinary));
    EXPECT_GT(dm.NewTransferId(), ordinary);
    // The other sequences are independent of the transfers' one.
    EXPECT_EQ(dm.NewContractorId(), 1);
    EXPECT_EQ(dm.NewTitleId(), 1);
    EXPECT_EQ(dm.NewTaxOfficeId(), 1);
    EXPECT_EQ(dm.NewRateEntryId(), 1);
    EXPECT_EQ(dm.NewRateEntryId(), 2);
}

// A procedure that hands out no positive number (altered by hand, say) is refused:
// a row numbered 0 or NULL could never be found again.
TEST_F(DataModule, AnIdentifierProcedureWithoutAPositiveNumberIsRefused)
{
    const struct
    {
        const char *procedure;
        const char *result;
        qint32 (TDM::*next)();
        bool refused;
    } cases[] = {
        {"GETPRZELEWID", "null", &TDM::NewTransferId, true},
        {"GETADRESATID", "0", &TDM::NewContractorId, true},
        {"GETTYTULID", "-7", &TDM::NewTitleId, true},
        {"GETURZADID", "null", &TDM::NewTaxOfficeId, true},
        {"GETWPISID", "1", &TDM::NewRateEntryId, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.procedure);
        db.execute({QString("alter procedure %1 returns (NUM integer) as begin NUM = %2; end").arg(c.procedure, c.result)});
        if (c.refused) {
            try {
                (dm.*c.next)();
                ADD_FAILURE() << "handed out a number";
            } catch (const FbError &error) {
                EXPECT_EQ(error.message(), QString("Baza danych nie wydała numeru nowej pozycji (procedura %1 zwróciła %2).")
                                               .arg(c.procedure, QString(c.result) == "null" ? "pustą wartość" : c.result));
            }
        } else {
            EXPECT_EQ((dm.*c.next)(), 1);
        }
        EXPECT_FALSE(dm.TrFunc.isActive());
    }
}

TEST_F(DataModule, ListsOpenOnTheNewestTransferAndReopenOnTheGivenRow)
{
    const qint32 first = addOrdinary("A");
    const qint32 second = addOrdinary("B");
    const qint32 third = addOrdinary("C");
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), third);

    dm.ReopenOrdinaryList(second);
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), second);
    EXPECT_EQ(dm.Zwykle.currentRow(), 1);

    dm.ReopenOrdinaryList(0);
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), third);

    dm.ReopenOrdinaryList(first);
    dm.Zwykle.remove();
    dm.ReopenOrdinaryList(first); // deleted meanwhile: rests on the first row
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), third);
    EXPECT_EQ(dm.Zwykle.fetchedCount(), 2);
}

TEST_F(DataModule, ReopenMakesAStoredChangeVisibleToOtherConnections)
{
    const qint32 id = addOrdinary("Trwały");
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase());
    ASSERT_TRUE(other.Zwykle.locate("PRZELEWID", id));
    EXPECT_EQ(other.Zwykle.value("NAZWA1_ODB").toString(), "Trwały");
    DM = &dm;
}

TEST_F(DataModule, DuplicateContractorNameWarnsOnceCancelsAndAbortsSilently)
{
    addContractor("KOWALSKI");
    dm.ReopenContractors(0);
    EXPECT_THROW(addContractor("KOWALSKI"), AbortOperation);
    EXPECT_EQ(messages.warnings, QStringList{"Nazwa kontrahenta nie może się powtarzać!"});
    EXPECT_EQ(dm.Adresaci.state(), Dataset::State::Browse);
    EXPECT_EQ(dm.Adresaci.fetchedCount(), 1);

    // An edited row gets back its stored values.
    addContractor("NOWAK");
    dm.ReopenContractors(0);
    ASSERT_TRUE(dm.Adresaci.locate("NAZWA", "NOWAK"));
    dm.Adresaci.edit();
    dm.Adresaci.setValue("NAZWA", "KOWALSKI");
    EXPECT_THROW(dm.Adresaci.post(), AbortOperation);
    EXPECT_EQ(dm.Adresaci.value("NAZWA").toString(), "NOWAK");
    EXPECT_EQ(messages.warnings.size(), 2);
}

TEST_F(DataModule, OtherStoreErrorsKeepTheRowInEditingWithTheDatabaseMessage)
{
    dm.Adresaci.append();
    dm.Adresaci.setValue("ADRESATID", dm.NewContractorId()); // NAZWA left empty: not null
    try {
        dm.Adresaci.post();
        FAIL() << "stored a contractor without a name";
    } catch (const FbError &error) {
        EXPECT_NE(error.code(), FbError::DuplicateInUniqueIndex);
    }
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_EQ(dm.Adresaci.state(), Dataset::State::Insert);
    dm.Adresaci.cancel();
}

TEST_F(DataModule, DuplicateNamesOfTheOtherDirectoriesHaveTheirOwnMessages)
{
    dm.Tytuly.append();
    dm.Tytuly.setValue("TYTULID", dm.NewTitleId());
    dm.Tytuly.setValue("NAZWA", "CZYNSZ");
    dm.Tytuly.post();
    dm.Tytuly.append();
    dm.Tytuly.setValue("TYTULID", dm.NewTitleId());
    dm.Tytuly.setValue("NAZWA", "CZYNSZ");
    EXPECT_THROW(dm.Tytuly.post(), AbortOperation);

    dm.Urzedy.append();
    dm.Urzedy.setValue("URZADID", dm.NewTaxOfficeId());
    dm.Urzedy.setValue("NAZWA", "US");
    dm.Urzedy.post();
    dm.Urzedy.append();
    dm.Urzedy.setValue("URZADID", dm.NewTaxOfficeId());
    dm.Urzedy.setValue("NAZWA", "US");
    EXPECT_THROW(dm.Urzedy.post(), AbortOperation);

    EXPECT_EQ(messages.warnings, (QStringList{"Nazwa tytułu zapłaty nie może się powtarzać!",
                                              "Nazwa organu podatkowego nie może się powtarzać!"}));
}

TEST_F(DataModule, RateTablesReportAChangeOfAVanishedRow)
{
    dm.PodatkoweTrans.start();
    dm.OdsetkiPod.open();
    dm.OdsetkiPod.append();
    dm.OdsetkiPod.setValue("WPISID", dm.NewRateEntryId());
    dm.OdsetkiPod.setValue("ODDNIA", QDate(2026, 1, 1));
    dm.OdsetkiPod.setValue("STOPA", QVariant::fromValue(Money::fromZloty(13)));
    dm.OdsetkiPod.post();
    dm.PodatkoweTrans.commit();
    dm.OdsetkiPod.open();
    ASSERT_EQ(dm.OdsetkiPod.fetchedCount(), 1);

    db.execute({"delete from ODSETKIPOD"}); // another user removes it meanwhile
    dm.OdsetkiPod.edit();
    dm.OdsetkiPod.setValue("STOPA", QVariant::fromValue(Money::fromZloty(14)));
    try {
        dm.OdsetkiPod.post();
        FAIL() << "an update of no row passed silently";
    } catch (const FbError &error) {
        EXPECT_TRUE(error.isConflict()) << error.databaseMessage().toStdString();
    }
}

TEST_F(DataModule, TaxTemplatesAreThoseOfOneContractorByName)
{
    db.execute({"insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (101, 'VAT', 7, 0)",
                "insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (102, 'CIT', 7, 0)",
                "insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (103, 'PIT', 8, 0)"});
    dm.ReopenTaxTemplates(7, 0);
    ASSERT_EQ(dm.szPodatkowe.fetchedCount(), 2);
    EXPECT_EQ(dm.szPodatkowe.value("NAZWA").toString(), "CIT");
    EXPECT_EQ(dm.szPodatkowe.valueAt(1, "NAZWA").toString(), "VAT");
    dm.ReopenTaxTemplates(7, 101);
    EXPECT_EQ(dm.szPodatkowe.value("NAZWA").toString(), "VAT");
}

TEST_F(DataModule, OneRowQueriesHoldTheRowOrNothing)
{
    const qint32 id = addOrdinary("Jeden");
    dm.OpenOrdinaryRecord(id);
    EXPECT_EQ(dm.Zwykly.value("NAZWA1_ODB").toString(), "Jeden");
    dm.OpenOrdinaryRecord(id + 1000);
    EXPECT_TRUE(dm.Zwykly.isEmpty());
    EXPECT_TRUE(dm.trZwykly.isActive());
}

// After the start only the lists hold a snapshot; the checks of the start-up keep none.
TEST_F(DataModule, StartUpLeavesOnlyTheListsTransactionsActive)
{
    const struct
    {
        FbTransaction &transaction;
        bool active;
    } cases[] = {
        {dm.trZwykle, true}, {dm.trPodatkowe, true}, {dm.trZusowe, true}, {dm.trAdresaci, true},
        {dm.trUrzedy, true}, {dm.trTytuly, true}, {dm.trSzZwykle, true}, {dm.trSzPodatkowe, false},
        {dm.trZwykly, false}, {dm.trPodatkowy, false}, {dm.trZus, false}, {dm.PodatkoweTrans, false},
        {dm.UstawoweTrans, false}, {dm.trq, false}, {dm.TrFunc, false}, {dm.trUpg, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.transaction.isActive(), c.active) << c.transaction.description().toStdString();
}

TEST_F(DataModule, DeletingLandsOnTheFollowingRowOrTheNewLast)
{
    const qint32 a = addOrdinary("A");
    const qint32 b = addOrdinary("B");
    const qint32 c = addOrdinary("C"); // list: C, B, A
    dm.ReopenOrdinaryList(b);
    dm.Zwykle.remove();
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), a);
    dm.Zwykle.remove();
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), c);
    dm.Zwykle.remove();
    EXPECT_EQ(dm.Zwykle.currentRow(), -1);
    dm.ReopenOrdinaryList(0);
    EXPECT_TRUE(dm.Zwykle.isEmpty());
}

// Read again after another desktop deleted the row it stood on, a list stands on that
// row's neighbour (below it, above it at the end), not on its first row.
TEST_F(DataModule, AListReadAgainStandsOnItsRowOrItsNeighbourWhenDeletedElsewhere)
{
    const struct {
        const char *what;
        const char *standOn, *deleted, *expected;
    } rows[] = {
        {"another row deleted", "B", "C", "B"},
        {"its row deleted", "B", "B", "A"},
        {"its row, the last, deleted", "A", "A", "B"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({"delete from ZWYKLE"});
        for (const char *recipient : {"A", "B", "C", "D"}) // listed D, C, B, A
            addOrdinary(recipient);
        ASSERT_TRUE(dm.Zwykle.locate("NAZWA1_ODB", row.standOn));
        db.execute({QString("delete from ZWYKLE where NAZWA1_ODB = '%1'").arg(row.deleted)});
        dm.ReopenOnCurrentRow(dm.Zwykle);
        EXPECT_EQ(dm.Zwykle.value("NAZWA1_ODB").toString(), row.expected);
    }
}

namespace {

// Fills a table with rows 1..count (at most 10 000) through one statement; names sort as their numbers.
QString fillStatement(const QString &table, const QString &key, const QString &extraColumn, int count)
{
    return QString("insert into %1 (%2, NAZWA%3) with recursive r(n) as (select 0 from rdb$database union all "
                   "select n + 1 from r where n < 99) select a.n * 100 + b.n + 1, 'N' || lpad(a.n * 100 + b.n + 1, 6, '0')%4 "
                   "from r a cross join r b where a.n * 100 + b.n < %5")
        .arg(table, key, extraColumn.isEmpty() ? QString() : ", " + extraColumn,
             extraColumn.isEmpty() ? QString() : ", 0")
        .arg(count);
}
}

// A cursor ordered by an index hands back rows its own transaction stored after it
// opened; a list read only in part must still show each row exactly once.
TEST_F(DataModule, PartlyReadListsShowEveryRowOnceAfterAStore)
{
    constexpr int Rows = 5000;
    db.execute({fillStatement("ADRESACI", "ADRESATID", {}, Rows), fillStatement("TYTULY", "TYTULID", {}, Rows),
                fillStatement("URZEDY", "URZADID", {}, Rows), fillStatement("SZZWYKLE", "PRZELEWID", "KWOTA", Rows)});
    struct Case
    {
        Dataset &list;
        std::function<void()> reopen;
        const char *key;
        bool editFirst; // false: a new row named to come last
    };
    const Case cases[] = {
        {dm.Adresaci, [&] { dm.ReopenContractors(0); }, "ADRESATID", false},
        {dm.Tytuly, [&] { dm.ReopenTitles(); }, "TYTULID", false},
        {dm.Urzedy, [&] { dm.ReopenTaxOffices(); }, "URZADID", false},
        {dm.szZwykle, [&] { dm.ReopenOrdinaryTemplates(0); }, "PRZELEWID", false},
        {dm.Adresaci, [&] { dm.ReopenContractors(0); }, "ADRESATID", true},
        {dm.Tytuly, [&] { dm.ReopenTitles(); }, "TYTULID", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.list.name().toStdString() + (c.editFirst ? " edit" : " insert"));
        c.reopen();
        ASSERT_LT(c.list.fetchedCount(), Rows);
        if (c.editFirst) {
            c.list.edit();
        } else {
            c.list.append();
            c.list.setValue(c.key, Rows + 1);
            if (&c.list == &dm.szZwykle)
                c.list.setValue("KWOTA", QVariant::fromValue(Money()));
        }
        c.list.setValue("NAZWA", c.editFirst ? "ZZZ poprawiony" : "ZZZ nowy");
        c.list.post();
        c.list.fetchAll();
        QSet<qint64> keys;
        for (int row = 0; row < c.list.fetchedCount(); ++row)
            keys.insert(c.list.valueAt(row, c.key).toLongLong());
        EXPECT_EQ(c.list.fetchedCount(), Rows + 1); // the edits come after the insertions into the same lists
        EXPECT_EQ(keys.size(), c.list.fetchedCount());
        c.reopen(); // commits
    }
}

// The end of the run commits every list's changes even when one commit fails, and
// tells the user which could not be saved.
TEST_F(DataModule, ClosingCommitsEveryTransactionAndNamesTheOnesThatFailed)
{
    db.execute({"create exception NIE_ZAPISANO 'zapis zablokowany'", "create table BLOKADA (TX bigint)",
                "create trigger BLOKUJ on transaction commit as begin "
                "if (exists(select 1 from BLOKADA where TX = current_transaction)) then exception NIE_ZAPISANO; end"});
    {
        TDM closing;
        ASSERT_TRUE(closing.ConnectDatabase());
        closing.Zwykle.append();
        closing.Zwykle.setValue("PRZELEWID", 501);
        closing.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(1)));
        closing.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
        closing.Zwykle.post();
        closing.Tytuly.append();
        closing.Tytuly.setValue("TYTULID", 502);
        closing.Tytuly.setValue("NAZWA", "Zablokowany");
        closing.Tytuly.post();
        FbQuery block(closing.trTytuly);
        block.setSql("insert into BLOKADA values (current_transaction)");
        block.execute();
        closing.szZwykle.append(); // committed after the titles
        closing.szZwykle.setValue("PRZELEWID", 503);
        closing.szZwykle.setValue("NAZWA", "Po nieudanym");
        closing.szZwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(1)));
        closing.szZwykle.post();
    }
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].contains("tytuły zapłaty: ")) << messages.warnings[0].toStdString();
    EXPECT_TRUE(messages.warnings[0].contains("zapis zablokowany")) << messages.warnings[0].toStdString();
    EXPECT_FALSE(messages.warnings[0].contains("szablony")) << messages.warnings[0].toStdString();

    DM = &dm;
    dm.ReopenOrdinaryList(0);
    dm.ReopenTitles();
    dm.ReopenOrdinaryTemplates(503);
    EXPECT_TRUE(dm.Zwykle.locate("PRZELEWID", 501));
    EXPECT_TRUE(dm.Tytuly.isEmpty());
    EXPECT_EQ(dm.szZwykle.value("PRZELEWID").toInt(), 503);
}

// The rate tables never wait: a row another desktop holds fails at once as a conflict,
// the row stays in edit, and the same store succeeds once the other side lets go of it
// (had it committed, its change would be asked about, not stored over).
TEST_F(DataModule, RateTableConflictKeepsTheRowInEditAndARetrySucceeds)
{
    db.execute({"insert into ODSETKIPOD (WPISID, ODDNIA, STOPA) values (1, '2026-01-01', 13)"});
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase());
    DM = &dm;
    other.OdsetkiPod.open();
    other.OdsetkiPod.edit();
    other.OdsetkiPod.setValue("STOPA", QVariant::fromValue(Money::fromZloty(14)));
    other.OdsetkiPod.post();

    dm.OdsetkiPod.open();
    dm.OdsetkiPod.edit();
    dm.OdsetkiPod.setValue("STOPA", QVariant::fromValue(Money::fromZloty(15)));
    try {
        dm.OdsetkiPod.post();
        FAIL() << "stored over another desktop's uncommitted change";
    } catch (const FbError &error) {
        EXPECT_EQ(error.message(), FbError::ConflictMessage()) << error.databaseMessage().toStdString();
    }
    EXPECT_EQ(dm.OdsetkiPod.state(), Dataset::State::Edit);

    other.PodatkoweTrans.rollback();
    dm.OdsetkiPod.post();
    dm.PodatkoweTrans.commit();
    dm.OdsetkiPod.open();
    EXPECT_EQ(dm.OdsetkiPod.value("STOPA").value<Money>(), Money::fromZloty(15));
}

// A contractor's address and notes are text blobs: written in 32 000-byte segments and
// read whole, so texts of any length come back byte for byte in Windows-1250. The
// contractors' list does not carry them (read with every row they slowed it down many
// times over through a server): they are written and read for the one row.
TEST_F(DataModule, ContractorAddressAndNotesComeBackWholeAtAnyLength)
{
    const QString polish = QString("Zażółć gęślą jaźń\r\nul. Świętokrzyska 1\r\n");
    struct Case
    {
        QString address;
        QString notes;
    };
    const Case cases[] = {
        {QString(), polish},
        {polish, QString(31999, QChar(u'ą')) + "\r\n"},                  // one segment, the last byte filled
        {QString(32001, QChar(u'ś')), QString()},                         // one byte into a second segment
        {polish.repeated(2500), QString(96000, QChar('x')) + "koniec"},   // several segments
    };
    qint32 id = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.address.size());
        addContractor(QString("KONTRAHENT %1").arg(++id));
        dm.ReopenContractors(id); // commits the row
        {
            FbTransaction transaction(dm.Baza);
            transaction.start();
            FbQuery update(transaction);
            update.setSql("update ADRESACI set ADRESKOR = :ADRESKOR, NOTATKI = :NOTATKI where ADRESATID = :ID");
            update.setParam("ADRESKOR", c.address.isEmpty() ? QVariant() : QVariant(c.address));
            update.setParam("NOTATKI", c.notes.isEmpty() ? QVariant() : QVariant(c.notes));
            update.setParam("ID", id);
            update.execute();
            transaction.commit();
        }
        // A new cursor in a new transaction reads the row again.
        dm.OpenQuery(QString("select ADRESKOR, NOTATKI, octet_length(ADRESKOR), octet_length(NOTATKI) from ADRESACI "
                             "where ADRESATID = %1").arg(id));
        EXPECT_EQ(dm.q.valueAt(0, 0).toString(), c.address);
        EXPECT_EQ(dm.q.valueAt(0, 1).toString(), c.notes);
        EXPECT_EQ(dm.q.valueAt(0, 2).toLongLong(), c.address.size()); // one byte a character
        EXPECT_EQ(dm.q.valueAt(0, 3).toLongLong(), c.notes.size());
    }
    dm.ReopenContractors(0);
    EXPECT_EQ(dm.Adresaci.fieldIndex("ADRESKOR"), -1);
    EXPECT_EQ(dm.Adresaci.fieldIndex("NOTATKI"), -1);
}

// A list reads from its own snapshot: another desktop's committed change shows only
// once the list is reopened, and never as a half-updated row.
TEST_F(DataModule, AListIgnoresAnotherDesktopsCommittedChangeUntilReopened)
{
    const qint32 id = addOrdinary("Przed zmianą");
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase());
    DM = &dm;
    ASSERT_TRUE(other.Zwykle.locate("PRZELEWID", id));
    other.Zwykle.edit();
    other.Zwykle.setValue("NAZWA1_ODB", "Po zmianie");
    other.Zwykle.post();
    other.ReopenOrdinaryList(id); // commits
    const qint32 added = [&] {
        other.Zwykle.append();
        const qint32 newId = other.NewTransferId();
        other.Zwykle.setValue("PRZELEWID", newId);
        other.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(1)));
        other.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
        other.Zwykle.post();
        other.ReopenOrdinaryList(newId);
        return newId;
    }();

    dm.Zwykle.fetchAll();
    EXPECT_EQ(dm.Zwykle.value("NAZWA1_ODB").toString(), "Przed zmianą");
    EXPECT_FALSE(dm.Zwykle.locate("PRZELEWID", added));

    dm.ReopenOrdinaryList(id);
    EXPECT_EQ(dm.Zwykle.value("NAZWA1_ODB").toString(), "Po zmianie");
    EXPECT_TRUE(dm.Zwykle.locate("PRZELEWID", added));
}

// When the row after the last one read cannot be read, deleting that last row still
// leaves the list on a row it holds: what follows (editing, deleting again, reading)
// works on that row and never past the end.
TEST_F(DataModule, DeletingTheLastRowReadWhenTheNextCannotBeReadStaysOnARowOfTheList)
{
    // 65 orders; the oldest fails to read (a division by zero in its computed column),
    // so the first 64 come in the first batch and the 65th fails when the list reads on.
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) with recursive r(n) as "
                "(select 1 from rdb$database union all select n + 1 from r where n < 65) "
                "select n, n, current_timestamp from r"});
    FbTransaction transaction(dm.Baza);
    Dataset list(transaction, "Zwykle");
    list.setSelectSql("select PRZELEWID, KWOTA, 1 / (PRZELEWID - 1) as ODWROTNOSC from ZWYKLE order by PRZELEWID desc");
    list.setUpdateSql("update ZWYKLE set KWOTA = :KWOTA where PRZELEWID = :OLD_PRZELEWID");
    list.setDeleteSql("delete from ZWYKLE where PRZELEWID = :OLD_PRZELEWID");
    list.open();
    ASSERT_EQ(list.fetchedCount(), 64);
    list.setCurrentRow(63); // order 2, the last one read
    EXPECT_THROW(list.remove(), FbError);
    EXPECT_EQ(list.fetchedCount(), 63);
    ASSERT_EQ(list.currentRow(), 62);
    EXPECT_EQ(list.value("PRZELEWID").toInt(), 3);

    list.edit();
    list.setValue("KWOTA", QVariant::fromValue(Money::fromZloty(30)));
    list.post();
    list.remove();
    EXPECT_EQ(list.value("PRZELEWID").toInt(), 4);
    transaction.commit();
    dm.ReopenOrdinaryList(0);
    dm.Zwykle.fetchAll();
    EXPECT_EQ(dm.Zwykle.fetchedCount(), 63); // orders 1 and 4..65
}

// A text its column cannot take is refused before the store, in Polish and naming the
// field by the caption its editor shows; the row stays in edit, nothing is stored.
TEST_F(DataModule, ATextTheColumnCannotTakeIsRefusedNamingTheFieldsCaption)
{
    addContractor("KOWALSKI");
    dm.ReopenContractors(0);
    db.execute({"insert into URZEDY (URZADID, NAZWA) values (1, 'US')"});
    dm.ReopenTaxOffices();
    const QString tooLong = "Tekst w polu „%1” jest za długi (znaków: %2, najwyżej: %3). Należy go skrócić.";
    const QString unheld = "Pole „%1” zawiera znak „%2”, którego nie można zapisać w bazie danych (strona kodowa "
                           "Windows-1250). Należy go usunąć lub zastąpić.";
    const struct
    {
        Dataset &list;
        const char *column;
        QString text;
        QString refusal; // empty: stored
    } cases[] = {
        {dm.Zwykle, "NAZWA1_ODB", QString(51, u'x'), tooLong.arg("Nazwa odbiorcy").arg(51).arg(50)},
        {dm.Zwykle, "NAZWA1_ODB", QString(50, u'ż'), {}},
        {dm.Zwykle, "NAZWA2_NAD", QString(60, u'x'), tooLong.arg("Nazwa zleceniodawcy (drugi wiersz)").arg(60).arg(50)},
        {dm.Zwykle, "TYTUL1_ZAPL", "Za \u4E2D", unheld.arg("Tytuł zapłaty", "\u4E2D")},
        {dm.Zwykle, "TYTUL2_ZAPL", "Za \U0001F600", unheld.arg("Tytuł zapłaty (drugi wiersz)", "\U0001F600")},
        {dm.Podatkowe, "IDENTYF", QString(51, u'1'), tooLong.arg("NIP lub identyfikator uzupełniający").arg(51).arg(50)},
        {dm.Podatkowe, "NAZWA1_ODB", QString(51, u'x'), tooLong.arg("Nazwa organu podatkowego").arg(51).arg(50)},
        {dm.Zusowe, "PODPIS_B", QString(31, u'x'), tooLong.arg("Nazwisko, imię i adres wpłacającego (drugi wiersz)").arg(31).arg(30)},
        {dm.Adresaci, "PODPIS_C_ZUS", QString(31, u'x'), tooLong.arg("Podpis - formularz ZUS (trzeci wiersz)").arg(31).arg(30)},
        {dm.Adresaci, "NAZWA", "Kowalski \u0141\u00E0", unheld.arg("Nazwa kontrahenta (identyfikator)", "\u00E0")},
        {dm.Urzedy, "NAZWA1", QString(51, u'x'), tooLong.arg("Nazwa i adres organu podatkowego").arg(51).arg(50)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.column + (" " + c.text.left(8).toStdString()));
        Dataset &list = c.list;
        const bool order = &list == &dm.Zwykle || &list == &dm.Podatkowe || &list == &dm.Zusowe;
        if (order) {
            list.append();
            list.setValue("PRZELEWID", dm.NewTransferId());
            list.setValue("DATA_WPR", QDateTime::currentDateTime());
            for (const char *amount : {"KWOTA", "KWOTA_51", "KWOTA_52", "KWOTA_53"})
                if (list.fieldIndex(amount) >= 0)
                    list.setValue(amount, QVariant::fromValue(Money::fromZloty(1)));
        } else {
            list.edit();
        }
        list.setValue(c.column, c.text);
        QString refusal;
        try {
            list.post();
        } catch (const FbError &error) {
            refusal = error.message();
        }
        EXPECT_EQ(refusal, c.refusal);
        if (!refusal.isEmpty()) {
            EXPECT_NE(list.state(), Dataset::State::Browse);
            list.cancel();
        }
    }
}
