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
