#include "Printers.h"
#include "Typy.h"

#include <gtest/gtest.h>

namespace {

Money amount(const char *text)
{
    Money value;
    EXPECT_TRUE(Money::parse(QString::fromLatin1(text), value)) << text;
    return value;
}

TZwykly filledOrdinary()
{
    TZwykly r;
    r.Id = 7;
    r.RecipientId = 3;
    r.RecipientName1 = r.RecipientName2 = r.RecipientAccount = QStringLiteral("x");
    r.SenderId = 4;
    r.SenderName1 = r.SenderName2 = r.SenderAccount = QStringLiteral("y");
    r.Amount = amount("12.50");
    r.IsTransfer = true;
    r.Title1 = r.Title2 = QStringLiteral("z");
    r.TransferDate = QDate(2005, 3, 15);
    return r;
}

TPodatkowy filledTax()
{
    TPodatkowy r;
    r.Id = 7;
    r.RecipientId = 3;
    r.RecipientName1 = r.RecipientName2 = r.RecipientAccount = QStringLiteral("x");
    r.SenderId = 4;
    r.SenderName1 = r.SenderName2 = r.SenderAccount = QStringLiteral("y");
    r.SetAmount(amount("12.50"));
    r.IsTransfer = false;
    r.PayerIdentifier = r.PayerIdentifierType = r.Period = QStringLiteral("p");
    r.FormSymbol = r.ObligationId = QStringLiteral("q");
    r.TransferDate = QDate(2005, 3, 15);
    return r;
}

}

TEST(TZwyklyClear, EmptiesAllButTheId)
{
    TZwykly r = filledOrdinary();
    r.Clear();
    EXPECT_EQ(r.Id, 7);
    EXPECT_EQ(r.RecipientId, 0);
    EXPECT_EQ(r.SenderId, 0);
    for (const QString *text : {&r.RecipientName1, &r.RecipientName2, &r.RecipientAccount, &r.SenderName1,
                                &r.SenderName2, &r.SenderAccount, &r.Title1, &r.Title2})
        EXPECT_TRUE(text->isEmpty());
    EXPECT_EQ(r.Amount, Money());
    EXPECT_FALSE(r.IsTransfer);
    EXPECT_EQ(r.TransferDate, DateValue::zeroDate());
}

TEST(TPodatkowyClear, KeepsIdAndContractorsAndBecomesATransfer)
{
    TPodatkowy r = filledTax();
    r.Clear();
    EXPECT_EQ(r.Id, 7);
    EXPECT_EQ(r.RecipientId, 3);
    EXPECT_EQ(r.SenderId, 4);
    for (const QString *text : {&r.RecipientName1, &r.RecipientName2, &r.RecipientAccount, &r.SenderName1,
                                &r.SenderName2, &r.SenderAccount, &r.PayerIdentifier, &r.PayerIdentifierType,
                                &r.Period, &r.FormSymbol, &r.ObligationId})
        EXPECT_TRUE(text->isEmpty());
    EXPECT_EQ(r.Amount(), Money());
    EXPECT_TRUE(r.IsTransfer);
    EXPECT_EQ(r.TransferDate, DateValue::zeroDate());
}

TEST(TPodatkowySetAmount, NegativeIsIgnoredZeroIsTaken)
{
    TPodatkowy r;
    r.SetAmount(amount("12.50"));
    r.SetAmount(amount("12.50"));
    EXPECT_EQ(r.Amount(), amount("12.50"));
    r.SetAmount(amount("-0.01"));
    EXPECT_EQ(r.Amount(), amount("12.50"));
    r.SetAmount(Money());
    EXPECT_EQ(r.Amount(), Money());
}

TEST(TZUSClear, KeepsIdTransferFlagDateAndCurrentComponent)
{
    TZUS r;
    r.Id = 9;
    r.IsTransfer = true;
    r.TransferDate = QDate(2005, 3, 15);
    r.SetCurrentComponent(52);
    r.SenderId = 4;
    r.SenderName1 = r.SenderName2 = r.SenderAccount = r.PayerNip = QStringLiteral("a");
    r.SecondIdType = r.SecondId = r.DeclarationNumber = QStringLiteral("b");
    r.DeclarationYear = 2004;
    r.DeclarationMonth = 3;
    for (int c = 51; c <= 53; ++c) {
        r.SetComponentAmount(c, amount("1.25"));
        r.SetPaymentType(c, QStringLiteral("S"));
        r.SetDecisionNumber(c, QStringLiteral("D"));
    }
    for (int line = 1; line <= 4; ++line)
        r.SetSignatureLine(line, QStringLiteral("podpis"));

    r.Clear();

    EXPECT_EQ(r.Id, 9);
    EXPECT_TRUE(r.IsTransfer);
    EXPECT_EQ(r.TransferDate, QDate(2005, 3, 15));
    EXPECT_EQ(r.CurrentComponent(), 52);
    EXPECT_EQ(r.SenderId, 0);
    EXPECT_EQ(r.DeclarationYear, 0);
    EXPECT_EQ(r.DeclarationMonth, 0);
    for (const QString *text : {&r.SenderName1, &r.SenderName2, &r.SenderAccount, &r.PayerNip,
                                &r.SecondIdType, &r.SecondId, &r.DeclarationNumber})
        EXPECT_TRUE(text->isEmpty());
    for (int c = 51; c <= 53; ++c) {
        EXPECT_EQ(r.ComponentAmount(c), Money());
        EXPECT_TRUE(r.PaymentType(c).isEmpty());
        EXPECT_TRUE(r.DecisionNumber(c).isEmpty());
    }
    for (int line = 1; line <= 4; ++line)
        EXPECT_TRUE(r.SignatureLine(line).isEmpty());
}

TEST(TUrzadClear, EmptiesAllTextsKeepsId)
{
    TUrzad r;
    r.Id = 5;
    for (QString *text : {&r.Name, &r.Name1, &r.Name2, &r.AccountPit, &r.AccountCit, &r.AccountVat,
                          &r.AccountPcc, &r.AccountBud})
        *text = QStringLiteral("u");
    r.Clear();
    EXPECT_EQ(r.Id, 5);
    for (const QString *text : {&r.Name, &r.Name1, &r.Name2, &r.AccountPit, &r.AccountCit, &r.AccountVat,
                                &r.AccountPcc, &r.AccountBud})
        EXPECT_TRUE(text->isEmpty());
}

TEST(AccountDigits, SeparatorsAreDroppedEmptyStaysEmpty)
{
    TZwykly z;
    z.RecipientAccount = QStringLiteral("61 1090-1014 0000 0712 1981 2874");
    z.SenderAccount = QStringLiteral("__ ____ ____ ____ ____ ____ ____");
    EXPECT_EQ(z.RecipientAccountDigits(), QStringLiteral("61109010140000071219812874"));
    EXPECT_EQ(z.SenderAccountDigits(), QString());

    TPodatkowy p;
    p.RecipientAccount = QStringLiteral("10-1050-0099-7603-1234-5678-9123");
    EXPECT_EQ(p.RecipientAccountDigits(), QStringLiteral("10105000997603123456789123"));
    EXPECT_EQ(p.SenderAccountDigits(), QString());

    TZUS zus;
    zus.SenderAccount = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    zus.PayerNip = QStringLiteral("111-111-11-11");
    EXPECT_EQ(zus.SenderAccountDigits(), QStringLiteral("61109010140000071219812874"));
    EXPECT_EQ(zus.NipDigits(), QStringLiteral("1111111111"));
}

TEST(AmountText, FormattedForTheBoxes)
{
    TZwykly z;
    z.Amount = amount("1234.5");
    EXPECT_EQ(z.AmountText(), QStringLiteral("1234,50-----"));
    TPodatkowy p;
    p.SetAmount(amount("0.07"));
    EXPECT_EQ(p.AmountText(), QStringLiteral("0,07--------"));
}

TEST(TZUSComponents, OnlyFiftyOneToFiftyThreeAreKept)
{
    TZUS r;
    r.SetComponentAmount(52, amount("10.10"));
    r.SetComponentAmount(54, amount("99"));
    r.SetComponentAmount(50, amount("99"));
    r.SetPaymentType(0, QStringLiteral("S"));
    r.SetDecisionNumber(-51, QStringLiteral("D"));
    EXPECT_EQ(r.ComponentAmount(52), amount("10.10"));
    EXPECT_EQ(r.ComponentAmount(51), Money());
    EXPECT_EQ(r.ComponentAmount(53), Money());
    EXPECT_EQ(r.ComponentAmount(54), Money());
    EXPECT_EQ(r.AmountText(52), QStringLiteral("10,10-------"));
    EXPECT_EQ(r.AmountText(51), QStringLiteral("0,00--------"));
    EXPECT_EQ(r.AmountText(54), QString());
    EXPECT_EQ(r.AmountText(50), QString());
    for (int c = 51; c <= 53; ++c) {
        EXPECT_TRUE(r.PaymentType(c).isEmpty());
        EXPECT_TRUE(r.DecisionNumber(c).isEmpty());
    }
}

TEST(TZUSComponents, EachComponentKeepsItsOwnValues)
{
    TZUS r;
    r.SetPaymentType(51, QStringLiteral("S"));
    r.SetPaymentType(53, QStringLiteral("A"));
    r.SetDecisionNumber(52, QStringLiteral("12/2005"));
    EXPECT_EQ(r.PaymentType(51), QStringLiteral("S"));
    EXPECT_EQ(r.PaymentType(52), QString());
    EXPECT_EQ(r.PaymentType(53), QStringLiteral("A"));
    EXPECT_EQ(r.DecisionNumber(52), QStringLiteral("12/2005"));
}

TEST(TZUSSignature, LinesOneToFour)
{
    TZUS r;
    r.SetSignatureLine(1, QStringLiteral("Jan"));
    r.SetSignatureLine(4, QStringLiteral("Kraków"));
    r.SetSignatureLine(0, QStringLiteral("x"));
    r.SetSignatureLine(5, QStringLiteral("x"));
    EXPECT_EQ(r.SignatureLine(1), QStringLiteral("Jan"));
    EXPECT_EQ(r.SignatureLine(2), QString());
    EXPECT_EQ(r.SignatureLine(4), QStringLiteral("Kraków"));
    EXPECT_EQ(r.SignatureLine(0), QString());
    EXPECT_EQ(r.SignatureLine(5), QString());
}

TEST(TZUSCurrentComponent, OutOfRangeKeepsPreviousValue)
{
    TZUS r;
    EXPECT_EQ(r.CurrentComponent(), 0);
    r.SetCurrentComponent(50);
    EXPECT_EQ(r.CurrentComponent(), 0);
    r.SetCurrentComponent(53);
    EXPECT_EQ(r.CurrentComponent(), 53);
    r.SetCurrentComponent(54);
    EXPECT_EQ(r.CurrentComponent(), 53);
    r.SetCurrentComponent(50);
    EXPECT_EQ(r.CurrentComponent(), 53);
    r.SetCurrentComponent(51);
    EXPECT_EQ(r.CurrentComponent(), 51);
}

TEST(TZUSDeclarationPeriod, MonthWithLeadingZeroThenYear)
{
    TZUS r;
    r.DeclarationMonth = 3;
    r.DeclarationYear = 2004;
    EXPECT_EQ(r.DeclarationPeriod(), QStringLiteral("032004"));
    r.DeclarationMonth = 11;
    EXPECT_EQ(r.DeclarationPeriod(), QStringLiteral("112004"));
    r.DeclarationMonth = 0;
    r.DeclarationYear = 0;
    EXPECT_EQ(r.DeclarationPeriod(), QStringLiteral("000"));
}
