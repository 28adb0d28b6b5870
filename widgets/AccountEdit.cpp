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
    const bool valid = IsValidAccount(text());
    MarkValidity(this, valid, QStringLiteral("Nieprawidłowy numer rachunku bankowego"));
    return valid;
}
