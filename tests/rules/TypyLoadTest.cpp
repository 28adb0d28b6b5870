#include "FDM.h"
#include "FreshDatabase.h"
#include "Money.h"
#include "Typy.h"

#include <gtest/gtest.h>

namespace {

class TypyLoad : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    FreshDatabase db;
    TDM dm;
};

}

TEST_F(TypyLoad, OrdinaryTransferCopiesItsRowWithoutChangingTexts)
{
    db.execute({"insert into ZWYKLE (PRZELEWID, ODBIORCAID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, "
                "NADAWCAID, NAZWA1_NAD, KONTO_NAD, TYTUL1_ZAPL, TYTUL2_ZAPL, DATA_PRZEK, DATA_WPR) values "
                "(5, 11, ' Żubr sp. z o.o. ', 'ul. Łąkowa', '27 1140-2004 0000 3602 5482 6891', 'T', 1234.56, 12, "
                "'Nadawca', '', 'Faktura', 'nr 1', '2004-03-05 13:14:15', current_timestamp)"});
    TZwykly record;
    record.Load(5);
    EXPECT_EQ(record.Id, 5);
    EXPECT_EQ(record.RecipientId, 11);
    EXPECT_EQ(record.RecipientName1, " Żubr sp. z o.o. ");
    EXPECT_EQ(record.RecipientAccountDigits(), "27114020040000360254826891");
    EXPECT_EQ(record.SenderAccountDigits(), "");
    EXPECT_TRUE(record.IsTransfer);
    EXPECT_EQ(record.Amount, Money::fromGrosze(123456));
    EXPECT_EQ(record.AmountText(), "1234,56-----");
    EXPECT_EQ(record.SenderId, 12);
    EXPECT_EQ(record.SenderName2, "");
    EXPECT_EQ(record.Title2, "nr 1");
    EXPECT_EQ(record.TransferDate, QDate(2004, 3, 5));
}

// The payment code names the recipient's NIP only when it is a valid one.
TEST_F(TypyLoad, OrdinaryTransferTakesItsRecipientsValidNip)
{
    db.execute({"insert into ADRESACI (ADRESATID, NAZWA, NIP) values (21, 'Firma', '526-104-08-28')",
                "insert into ADRESACI (ADRESATID, NAZWA, NIP) values (22, 'Zły NIP', '526-104-08-29')",
                "insert into ADRESACI (ADRESATID, NAZWA) values (23, 'Osoba')"});
    const struct {
        qint32 recipient;
        const char *nip;
    } rows[] = {{21, "526-104-08-28"}, {22, ""}, {23, ""}, {0, ""}, {99, ""}};
    for (const auto &row : rows) {
        db.execute({QStringLiteral("insert into ZWYKLE (PRZELEWID, ODBIORCAID, PRZELEW, KWOTA, DATA_WPR) values "
                                   "(%1, %2, 'T', 1, current_timestamp)")
                        .arg(100 + row.recipient)
                        .arg(row.recipient)});
        TZwykly record;
        record.RecipientNip = QStringLiteral("stale");
        record.Load(100 + row.recipient);
        EXPECT_EQ(record.RecipientNip, row.nip) << row.recipient;
    }
}

TEST_F(TypyLoad, NullColumnsLoadAsEmptyZeroOrNoDateAndOnlyExactTIsATransfer)
{
    db.execute({"insert into ZWYKLE (PRZELEWID, PRZELEW, KWOTA, DATA_WPR) values (1, 't', 0, current_timestamp)",
                "insert into ZWYKLE (PRZELEWID, PRZELEW, KWOTA, DATA_WPR) values (2, 'N', 0, current_timestamp)",
                "insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (3, 0, current_timestamp)"});
    for (const qint32 id : {1, 2, 3}) {
        TZwykly record;
        record.IsTransfer = true;
        record.Load(id);
        EXPECT_FALSE(record.IsTransfer) << id;
        EXPECT_EQ(record.RecipientId, 0);
        EXPECT_EQ(record.RecipientName1, "");
        EXPECT_FALSE(DateValue::isSet(record.TransferDate));
    }
}

TEST_F(TypyLoad, AMissingRowLeavesTheRecordClearedWithItsId)
{
    TZwykly ordinary;
    ordinary.RecipientName1 = "stary";
    ordinary.Amount = Money::fromZloty(3);
    ordinary.Load(404);
    EXPECT_EQ(ordinary.Id, 404);
    EXPECT_EQ(ordinary.RecipientName1, "");
    EXPECT_EQ(ordinary.Amount, Money());

    TZUS zus;
    zus.SetComponentAmount(51, Money::fromZloty(7));
    zus.Load(404);
    EXPECT_EQ(zus.Id, 404);
    EXPECT_EQ(zus.ComponentAmount(51), Money());
}

TEST_F(TypyLoad, TaxAndZusTransfersCarryTheirOwnFields)
{
    db.execute({"insert into PODATKOWE (PRZELEWID, ODBIORCAID, NAZWA1_ODB, KWOTA, IDENTYF, TYPIDENTYF, OKRES, "
                "SYMBOLFORM, IDENTYFZOB, PRZELEW, DATA_WPR) values (20, 3, 'US', 12.5, '526-104-08-28', 'N', "
                "'05M11  ', 'VAT-7', 'zob', 'T', current_timestamp)",
                "insert into ZUS (PRZELEWID, PRZELEW, TYP_WPL_51, KWOTA_51, KWOTA_52, KWOTA_53, NR_DEC_53, NIP_NAD, "
                "TYP_IDENT, IDENT_UZUP, ROK_DEKL, MIES_DEKL, NR_DEKL, PODPIS_A, PODPIS_C, DATA_WPR) values "
                "(21, 'N', 'S', 100, 0, 50.05, 'D/1', '526-104-08-28', 'R', '012345678', 2004, 3, '01', 'Anna', "
                "'Kraków', current_timestamp)"});
    TPodatkowy tax;
    tax.Load(20);
    EXPECT_EQ(tax.RecipientId, 3);
    EXPECT_EQ(tax.Amount(), Money::fromGrosze(1250));
    EXPECT_EQ(tax.Period, "05M11  ");
    EXPECT_EQ(tax.PayerIdentifierType, "N");
    EXPECT_EQ(tax.ObligationId, "zob");
    EXPECT_TRUE(tax.IsTransfer);

    TZUS zus;
    zus.Load(21);
    EXPECT_FALSE(zus.IsTransfer);
    EXPECT_EQ(zus.PaymentType(51), "S");
    EXPECT_EQ(zus.PaymentType(52), "");
    EXPECT_EQ(zus.ComponentAmount(53), Money::fromGrosze(5005));
    EXPECT_EQ(zus.DecisionNumber(53), "D/1");
    EXPECT_EQ(zus.NipDigits(), "5261040828");
    EXPECT_EQ(zus.DeclarationPeriod(), "032004");
    EXPECT_EQ(zus.SignatureLine(1), "Anna");
    EXPECT_EQ(zus.SignatureLine(2), "");
    EXPECT_EQ(zus.SignatureLine(3), "Kraków");
    EXPECT_EQ(zus.CurrentComponent(), 0);
}

TEST_F(TypyLoad, TaxAuthorityLoadsThroughTheGeneralQueryAndCommitsIt)
{
    db.execute({"insert into URZEDY (URZADID, NAZWA, NAZWA1, NAZWA2, KONTOPIT, KONTOVAT) values "
                "(4, 'US', 'Urząd Skarbowy', 'ul. Lindleya 14', '111', '222')"});
    TUrzad office;
    office.Load(4);
    EXPECT_EQ(office.Id, 4);
    EXPECT_EQ(office.Name1, "Urząd Skarbowy");
    EXPECT_EQ(office.AccountVat, "222");
    EXPECT_EQ(office.AccountCit, "");
    EXPECT_FALSE(dm.trq.isActive());

    office.Load(99);
    EXPECT_EQ(office.Name, "");
    EXPECT_EQ(office.Name1, "");
    EXPECT_EQ(office.AccountPit, "");
    EXPECT_FALSE(dm.trq.isActive());
}

// Printing loads a record and keeps no snapshot open after it, whether the row is
// there, missing, or refused because a value of it could not be read (it would print
// as 0,00).
TEST_F(TypyLoad, LoadingCommitsItsTransactionAndRefusesARowWithAnUnreadableValue)
{
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (1, 10, current_timestamp)",
                "insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (2, 9999999999999999.99, current_timestamp)",
                "insert into PODATKOWE (PRZELEWID, KWOTA, DATA_WPR) values (3, 10, current_timestamp)",
                "insert into PODATKOWE (PRZELEWID, KWOTA, DATA_WPR) values (4, -9999999999999999.99, current_timestamp)",
                "insert into ZUS (PRZELEWID, KWOTA_51, KWOTA_52, KWOTA_53, DATA_WPR) values (5, 1, 2, 3, current_timestamp)",
                "insert into ZUS (PRZELEWID, KWOTA_51, KWOTA_52, KWOTA_53, DATA_WPR) "
                "values (6, 1, 1000000000000000, 3, current_timestamp)"});
    const QString refusal = "Tego przelewu nie można wydrukować: kwota %1 zapisana w bazie danych jest większa, "
                            "niż program potrafi odczytać.";
    const struct
    {
        const char *what;
        std::function<void()> load;
        FbTransaction &transaction;
        QString refused; // empty: loaded
    } cases[] = {
        {"ordinary", [] { TZwykly().Load(1); }, dm.trZwykly, {}},
        {"ordinary, missing", [] { TZwykly().Load(404); }, dm.trZwykly, {}},
        {"ordinary, amount beyond", [] { TZwykly().Load(2); }, dm.trZwykly, refusal.arg("9999999999999999,99")},
        {"tax", [] { TPodatkowy().Load(3); }, dm.trPodatkowy, {}},
        {"tax, amount beyond", [] { TPodatkowy().Load(4); }, dm.trPodatkowy, refusal.arg("-9999999999999999,99")},
        {"ZUS", [] { TZUS().Load(5); }, dm.trZus, {}},
        {"ZUS, one component beyond", [] { TZUS().Load(6); }, dm.trZus, refusal.arg("1000000000000000,00")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        try {
            c.load();
        } catch (const FbError &e) {
            error = e.message();
        }
        EXPECT_EQ(error, c.refused);
        EXPECT_FALSE(c.transaction.isActive());
    }
}
