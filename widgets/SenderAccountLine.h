#pragma once

#include <QLineEdit>

class MoneyEdit;
class OperationKind;

// The line under the amount, one field for two purposes as on the paper form: for a
// transfer ("Przelew") the sender's account number, for a cash deposit ("Wpłata") the
// amount written in words. It remembers the sender's account (the last chosen sender,
// template or stored row), so that switching the kind back and forth brings the account
// back, and a deposit still stores the sender's account and never the words.
//
// It refills itself when the user clicks the operation kind or leaves the amount, and
// checks the account when the user leaves it.
class SenderAccountLine : public QLineEdit
{
    Q_OBJECT

public:
    SenderAccountLine(OperationKind *kind, MoneyEdit *amount, QWidget *parent = nullptr);

    QString Remembered() const { return remembered_; }
    void SetRemembered(const QString &account) { remembered_ = account; }

    // For the operation kind: the amount in words, or the remembered account grouped
    // from its digits (32 blanks when there is none); then checked.
    void Refill();
    // After a sender was chosen: a transfer shows the remembered account, a deposit keeps
    // its words; then checked.
    void ShowRemembered();
    // A transfer's account colours red when IsValidAccount fails; a deposit always passes.
    bool Check();

    // What goes into KONTO_NAD: the digits of the field for a transfer, of the remembered
    // account for a deposit.
    QString StoredAccount() const;
    // A transfer whose field holds no digit at all (blanks and separators count as none).
    bool LacksAccount() const;

private:
    OperationKind *kind_;
    MoneyEdit *amount_;
    QString remembered_;
};
