#pragma once

#include "DateValue.h"
#include "Money.h"

#include <QDate>
#include <QString>
#include <array>

// In-memory copies of one stored order (or tax authority). A layout reads only
// these; changing a record never changes the database.

class TZwykly
{
public:
    qint32 Id = 0;
    qint32 RecipientId = 0;
    QString RecipientName1, RecipientName2, RecipientAccount;
    qint32 SenderId = 0;
    QString SenderName1, SenderName2, SenderAccount;
    Money Amount;
    bool IsTransfer = false;
    QString Title1, Title2;
    QDate TransferDate = DateValue::zeroDate();
    // The recipient contractor's NIP when it is a valid one (for the payment code), else empty.
    QString RecipientNip;

    void Load(qint32 id);
    void Clear();

    QString RecipientAccountDigits() const;
    QString SenderAccountDigits() const;
    QString AmountText() const;
};

// The contractor's NIP when one is stored and valid, else an empty text.
QString ValidContractorNip(qint32 contractorId);

class TPodatkowy
{
public:
    qint32 Id = 0;
    qint32 RecipientId = 0;
    QString RecipientName1, RecipientName2, RecipientAccount;
    qint32 SenderId = 0;
    QString SenderName1, SenderName2, SenderAccount;
    bool IsTransfer = true;
    QString PayerIdentifier, PayerIdentifierType, Period, FormSymbol, ObligationId;
    QDate TransferDate = DateValue::zeroDate();

    void Load(qint32 id);
    void Clear();

    Money Amount() const { return amount_; }
    // Ignores negative values.
    void SetAmount(Money value);

    QString RecipientAccountDigits() const;
    QString SenderAccountDigits() const;
    QString AmountText() const;

private:
    Money amount_;
};

class TZUS
{
public:
    qint32 Id = 0;
    bool IsTransfer = false;
    qint32 SenderId = 0;
    QString SenderName1, SenderName2, SenderAccount;
    QString PayerNip;
    QString SecondIdType, SecondId;
    qint32 DeclarationYear = 0;
    qint32 DeclarationMonth = 0;
    QString DeclarationNumber;
    QDate TransferDate = DateValue::zeroDate();

    void Load(qint32 id);
    void Clear();

    // Keyed by component 51, 52 or 53; any other key reads as empty/0 and is ignored when set.
    Money ComponentAmount(int component) const;
    void SetComponentAmount(int component, Money amount);
    QString PaymentType(int component) const;
    void SetPaymentType(int component, const QString &type);
    QString DecisionNumber(int component) const;
    void SetDecisionNumber(int component, const QString &number);
    // Keyed by line 1..4.
    QString SignatureLine(int line) const;
    void SetSignatureLine(int line, const QString &text);

    int CurrentComponent() const { return currentComponent_; }
    // Only 51, 52 or 53 are taken.
    void SetCurrentComponent(int component);

    QString SenderAccountDigits() const;
    QString NipDigits() const;
    // AmountForBoxes of the component's amount; empty for any other number.
    QString AmountText(int component) const;
    QString DeclarationPeriod() const;

private:
    struct Component
    {
        Money amount;
        QString paymentType;
        QString decisionNumber;
    };
    std::array<Component, 3> components_{};
    std::array<QString, 4> signature_{};
    int currentComponent_ = 0;
};

class TUrzad
{
public:
    qint32 Id = 0;
    QString Name, Name1, Name2;
    QString AccountPit, AccountCit, AccountVat, AccountPcc, AccountBud;

    void Load(qint32 id);
    void Clear();
};
