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
        EXPECT_EQ(error.message(), "Update Failed");
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
