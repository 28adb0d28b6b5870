#pragma once

#include "Money.h"

#include <QDate>
#include <QString>
#include <QStringList>

class TPodatkowy;
class TZwykly;
struct BankProfile;

// One order as the bank file carries it, whatever list it comes from.
struct BankOrder
{
    qint32 Id = 0;
    bool IsTransfer = true;
    Money Amount;
    QDate TransferDate;
    // As stored: checked before the file takes their digits.
    QString SenderAccount, RecipientAccount;
    QStringList SenderName, RecipientName, Title;
    // The tax tags of a tax order stand in the title; its classification comes from the profile.
    bool IsTax = false;
    // What a tax order lacks that its tags need, as the refusal names it ("identyfikatora", ...).
    QStringList MissingTaxTags;

    static BankOrder FromOrdinary(const TZwykly &order);
    static BankOrder FromTax(const TPodatkowy &order);
};

// "/TI/" type and identifier (letters and digits only) "/OKR/" period "/SFP/" form symbol
// "/TXT/" identification of the liability, as one text.
QString TaxTags(const TPodatkowy &order);
