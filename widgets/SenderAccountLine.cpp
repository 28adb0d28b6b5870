#include "SenderAccountLine.h"

#include "FieldLeave.h"
#include "Globals.h"
#include "MoneyEdit.h"
#include "OperationKind.h"
#include "ValidityMark.h"

SenderAccountLine::SenderAccountLine(OperationKind *kind, MoneyEdit *amount, QWidget *parent)
    : QLineEdit(parent), kind_(kind), amount_(amount)
{
    setObjectName(QStringLiteral("EdKonto_Nad"));
    setMaxLength(50);
    connect(kind_, &OperationKind::clicked, this, &SenderAccountLine::Refill);
    OnFieldLeave(amount_, [this] { Refill(); });
    OnFieldLeave(this, [this] { Check(); });
}

void SenderAccountLine::Refill()
{
    setText(kind_->IsTransfer() ? GroupedAccount(remembered_) : AmountInWords(amount_->Value()));
    Check();
}

void SenderAccountLine::ShowRemembered()
{
    if (kind_->IsTransfer())
        setText(GroupedAccount(remembered_));
    Check();
}

bool SenderAccountLine::Check()
{
    const bool valid = !kind_->IsTransfer() || IsValidAccount(text());
    MarkValidity(this, valid, QStringLiteral("Nieprawidłowy numer rachunku bankowego"));
    return valid;
}

QString SenderAccountLine::StoredAccount() const
{
    return DigitsOnly(kind_->IsTransfer() ? text() : remembered_);
}

bool SenderAccountLine::LacksAccount() const
{
    return kind_->IsTransfer() && DigitsOnly(text()).isEmpty();
}
