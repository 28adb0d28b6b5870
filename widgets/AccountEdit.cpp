#include "AccountEdit.h"

#include "FieldLeave.h"
#include "Globals.h"
#include "ValidityMark.h"

AccountEdit::AccountEdit(QWidget *parent) : QLineEdit(parent)
{
    // Every digit optional: a half-typed number can be left and is shown as failing.
    setInputMask(QStringLiteral("00 0000 0000 0000 0000 0000 0000;_"));
    OnFieldLeave(this, [this] { Check(); });
}

const QString AccountEdit::ZusContributionAccountHint = QStringLiteral("Rachunek składkowy ZUS");

QString AccountEdit::Digits() const
{
    return DigitsOnly(text());
}

void AccountEdit::SetDigits(const QString &digits)
{
    setText(DigitsOnly(digits));
}

bool AccountEdit::Check()
{
    if (!blankHint_.isEmpty() && Digits().isEmpty()) {
        MarkValidity(this, false, blankHint_);
        return false;
    }
    const bool valid = IsValidAccount(text());
    MarkValidity(this, valid, QStringLiteral("Nieprawidłowy numer rachunku bankowego"));
    // A transfer to it pays contributions, not the contractor the name suggests.
    if (valid && IsZusContributionAccount(text()))
        setToolTip(ZusContributionAccountHint);
    return valid;
}

void AccountEdit::SetBlankHint(const QString &hint)
{
    blankHint_ = hint;
}
