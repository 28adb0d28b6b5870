#include "Typy.h"

#include "Globals.h"

// Load of each record lives with the data access in TypyLoad.cpp.

namespace {

constexpr int FirstComponent = 51;
constexpr int LastComponent = 53;
constexpr int SignatureLines = 4;

bool isComponent(int component)
{
    return component >= FirstComponent && component <= LastComponent;
}

std::size_t componentIndex(int component)
{
    return std::size_t(component - FirstComponent);
}

bool isSignatureLine(int line)
{
    return line >= 1 && line <= SignatureLines;
}

}

// --- TZwykly ------------------------------------------------------------------

void TZwykly::Clear()
{
    RecipientId = 0;
    RecipientName1.clear();
    RecipientName2.clear();
    RecipientAccount.clear();
    SenderId = 0;
    SenderName1.clear();
    SenderName2.clear();
    SenderAccount.clear();
    Amount = Money();
    IsTransfer = false;
    Title1.clear();
    Title2.clear();
    TransferDate = DateValue::zeroDate();
    RecipientNip.clear();
}

QString TZwykly::RecipientAccountDigits() const
{
    return DigitsOnly(RecipientAccount);
}

QString TZwykly::SenderAccountDigits() const
{
    return DigitsOnly(SenderAccount);
}

QString TZwykly::AmountText() const
{
    return AmountForBoxes(Amount);
}

// --- TPodatkowy ---------------------------------------------------------------

void TPodatkowy::Clear()
{
    // Unlike an ordinary transfer, the contractor identifiers survive a clear.
    RecipientName1.clear();
    RecipientName2.clear();
    RecipientAccount.clear();
    SenderName1.clear();
    SenderName2.clear();
    SenderAccount.clear();
    SetAmount(Money());
    IsTransfer = true;
    PayerIdentifier.clear();
    PayerIdentifierType.clear();
    Period.clear();
    FormSymbol.clear();
    ObligationId.clear();
    TransferDate = DateValue::zeroDate();
}

void TPodatkowy::SetAmount(Money value)
{
    if (value != amount_ && value >= Money())
        amount_ = value;
}

QString TPodatkowy::RecipientAccountDigits() const
{
    return DigitsOnly(RecipientAccount);
}

QString TPodatkowy::SenderAccountDigits() const
{
    return DigitsOnly(SenderAccount);
}

QString TPodatkowy::AmountText() const
{
    return AmountForBoxes(amount_);
}

// --- TZUS ---------------------------------------------------------------------

void TZUS::Clear()
{
    // IsTransfer, TransferDate and the component being printed survive a clear.
    SenderId = 0;
    SenderName1.clear();
    SenderName2.clear();
    SenderAccount.clear();
    PayerNip.clear();
    SecondIdType.clear();
    SecondId.clear();
    DeclarationYear = 0;
    DeclarationMonth = 0;
    DeclarationNumber.clear();
    components_.fill(Component{});
    signature_.fill(QString());
}

Money TZUS::ComponentAmount(int component) const
{
    return isComponent(component) ? components_[componentIndex(component)].amount : Money();
}

void TZUS::SetComponentAmount(int component, Money amount)
{
    if (isComponent(component))
        components_[componentIndex(component)].amount = amount;
}

QString TZUS::PaymentType(int component) const
{
    return isComponent(component) ? components_[componentIndex(component)].paymentType : QString();
}

void TZUS::SetPaymentType(int component, const QString &type)
{
    if (isComponent(component))
        components_[componentIndex(component)].paymentType = type;
}

QString TZUS::DecisionNumber(int component) const
{
    return isComponent(component) ? components_[componentIndex(component)].decisionNumber : QString();
}

void TZUS::SetDecisionNumber(int component, const QString &number)
{
    if (isComponent(component))
        components_[componentIndex(component)].decisionNumber = number;
}

QString TZUS::SignatureLine(int line) const
{
    return isSignatureLine(line) ? signature_[std::size_t(line - 1)] : QString();
}

void TZUS::SetSignatureLine(int line, const QString &text)
{
    if (isSignatureLine(line))
        signature_[std::size_t(line - 1)] = text;
}

void TZUS::SetCurrentComponent(int component)
{
    if (isComponent(component))
        currentComponent_ = component;
}

QString TZUS::SenderAccountDigits() const
{
    return DigitsOnly(SenderAccount);
}

QString TZUS::NipDigits() const
{
    return DigitsOnly(PayerNip);
}

QString TZUS::AmountText(int component) const
{
    return isComponent(component) ? AmountForBoxes(ComponentAmount(component)) : QString();
}

QString TZUS::DeclarationPeriod() const
{
    const QString month = QString::number(DeclarationMonth);
    return (DeclarationMonth < 10 ? u'0' + month : month) + QString::number(DeclarationYear);
}

// --- TUrzad -------------------------------------------------------------------

void TUrzad::Clear()
{
    Name.clear();
    Name1.clear();
    Name2.clear();
    AccountPit.clear();
    AccountCit.clear();
    AccountVat.clear();
    AccountPcc.clear();
    AccountBud.clear();
}
