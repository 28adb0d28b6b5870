#pragma once

#include <QLineEdit>

// The 26-digit NRB account number in groups of 2 + 6 x 4, blank positions shown as
// "_". Its value is the digits alone; leaving it checks the number and shows a failing
// one in red with the hint "Nieprawidłowy numer rachunku bankowego"; a valid ZUS
// contribution account keeps the normal colour and says so in its hint.
class AccountEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit AccountEdit(QWidget *parent = nullptr);

    QString Digits() const;
    void SetDigits(const QString &digits);
    // Colours the field after IsValidAccount (a blank field passes) and returns the result.
    bool Check();
    static const QString ZusContributionAccountHint;
    // While set, a blank number fails with this hint instead: for an account that is
    // composed from another field, where blank means it could not be composed.
    void SetBlankHint(const QString &hint);

private:
    QString blankHint_;
};
