#pragma once

#include "Typy.h"

// Orders as a user would have typed them, filled field by field.
namespace Samples {

// 27 characters, Polish letters included.
inline QString name27() { return QStringLiteral("Zakład Usług Łącznościowych"); }
// 28 characters.
inline QString name28() { return QStringLiteral("ul. Długa 5, 00-950 Warszawa"); }
inline QString account() { return QStringLiteral("12 1020-1026 0000 0402 0012 3456"); }
inline QString accountDigits() { return QStringLiteral("12102010260000040200123456"); }
inline QString senderAccount() { return QStringLiteral("98105000021000000012345678"); }

inline TZwykly ordinary()
{
    TZwykly r;
    r.Id = 7;
    r.RecipientName1 = name27();
    r.RecipientName2 = name28();
    r.RecipientAccount = account();
    r.SenderName1 = QStringLiteral("Jan Kowalski");
    r.SenderName2 = QStringLiteral("Kraków, ul. Źródlana 1");
    r.SenderAccount = senderAccount();
    r.Amount = Money::fromGrosze(123450);
    r.IsTransfer = true;
    r.Title1 = QStringLiteral("Faktura 12/2004");
    r.Title2 = QStringLiteral("zapłata za żółte róże");
    r.TransferDate = QDate(2004, 3, 5);
    return r;
}

inline TPodatkowy tax()
{
    TPodatkowy r;
    r.Id = 8;
    r.RecipientName1 = QStringLiteral("Urząd Skarbowy Kraków-Śródmieście");
    r.RecipientName2 = QStringLiteral("ul. Wrocławska 32");
    r.RecipientAccount = account();
    r.SenderName1 = QStringLiteral("Jan Kowalski");
    r.SenderName2 = QStringLiteral("Kraków");
    r.SenderAccount = senderAccount();
    r.SetAmount(Money::fromGrosze(123456));
    r.IsTransfer = true;
    r.PayerIdentifier = QStringLiteral("123-456-78-19");
    r.PayerIdentifierType = QStringLiteral("n");
    r.Period = QStringLiteral("04M03  ");
    r.FormSymbol = QStringLiteral("vat-7");
    r.ObligationId = QStringLiteral("zaległość 2003");
    r.TransferDate = QDate(2004, 4, 25);
    return r;
}

inline TZUS zus()
{
    TZUS r;
    r.Id = 9;
    r.IsTransfer = true;
    r.SenderName1 = QStringLiteral("Firma Łódź");
    r.SenderName2 = QStringLiteral("ul. Piękna 3");
    r.SenderAccount = senderAccount();
    r.PayerNip = QStringLiteral("123-456-78-19");
    r.SecondIdType = QStringLiteral("r");
    r.SecondId = QStringLiteral("123456785");
    r.DeclarationYear = 2004;
    r.DeclarationMonth = 3;
    r.DeclarationNumber = QStringLiteral("01");
    r.TransferDate = QDate(2004, 4, 10);
    r.SetComponentAmount(51, Money::fromGrosze(10000));
    r.SetComponentAmount(52, Money::fromGrosze(0));
    r.SetComponentAmount(53, Money::fromGrosze(5000));
    r.SetPaymentType(51, QStringLiteral("s"));
    r.SetPaymentType(53, QStringLiteral("a"));
    r.SetDecisionNumber(51, QStringLiteral("dec-51"));
    r.SetDecisionNumber(53, QStringLiteral("dec-53"));
    r.SetSignatureLine(1, QStringLiteral("Jan Kowalski"));
    r.SetSignatureLine(2, QStringLiteral("ul. Polna 1"));
    r.SetSignatureLine(3, QStringLiteral("Łódź"));
    r.SetSignatureLine(4, QStringLiteral("czwarta"));
    r.SetCurrentComponent(51);
    return r;
}

}
