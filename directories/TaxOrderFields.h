#pragma once

#include "TaxFieldRules.h"

#include <QObject>
#include <functional>

class AccountEdit;
class Dataset;
class LengthCounter;
class MoneyEdit;
class OperationKind;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class StoredAmount;

// The fields that a tax transfer and a tax transfer template share, the tax authority
// and payer choosers that fill them, and what the kind of account and the identifier
// type put into them. Each window lays the pieces out in its own order and keeps its
// own sender account field.
class TaxOrderFields : public QObject
{
public:
    // otherKindGivesPit: "(inny)" puts the authority's PIT account (the templates), or
    // leaves the account as typed (the transfers).
    TaxOrderFields(QWidget *window, bool otherKindGivesPit);

    // takeAccount receives the account of a payer chosen from the contractors.
    void OnPayerAccount(std::function<void(const QString &account)> takeAccount);

    // Caption and the two name lines with their counters, fields in column 0.
    void AddRecipientRows(QGridLayout *grid, int &row) const;
    void AddPayerRows(QGridLayout *grid, int &row) const;
    // The recipient's account with the kind of account and the micro-account check beside it.
    QBoxLayout *AccountRow() const;
    // The operation kind, then the amount on the right.
    QBoxLayout *AmountRow() const;
    // Identifier, its type and the period; the form symbol and the obligation: four rows
    // of three columns, to which a window may add its own below.
    QGridLayout *IdentifierGrid() const;

    // Empty fields of a new row: the kind of account given, NIP as identifier type, a transfer.
    void Clear(const QString &accountKind);
    // The shared columns of a stored row, and the authority and payer it names.
    void Fill(const Dataset &row);
    void Write(Dataset &row) const;

    void UrzadButtonClick();
    void NadawcaButtonClick();
    // The user's choice of a kind of account or of an identifier type.
    void EdRodzajRachChange();
    void EdTypChange();
    // The user's switch of the micro-account, and the identifier as the user types it.
    void EdMikrorachunekClick();
    void EdNIPEdited();
    // The micro-account is asked for but the identifier gives none: the account stays
    // empty rather than silently becoming the authority's, and saving refuses.
    bool MicroAccountMissing() const;
    static const QString MicroAccountMissingMessage;

    NameLine *EdNazwa1_Odb, *EdNazwa2_Odb, *EdNazwa1_Nad, *EdNazwa2_Nad;
    LengthCounter *lbNazwa1_Odb, *lbNazwa2_Odb, *lbNazwa1_Nad, *lbNazwa2_Nad;
    AccountEdit *EdKonto_Odb;
    QComboBox *EdRodzajRach;
    // "Mikrorachunek podatkowy": PIT, CIT and VAT go to the account composed from the
    // payer's NIP or PESEL instead of the authority's account for the kind.
    QCheckBox *EdMikrorachunek;
    OperationKind *EdOperacja;
    MoneyEdit *EdKwota;
    QLineEdit *EdNIP;
    QComboBox *EdTyp;
    PeriodLine *EdOkres;
    QComboBox *EdSymbol;
    QLineEdit *EdIdentyfZobow;

    // Where the choosers open; the authority is also what ODBIORCAID stores.
    qint32 UrzadId = 0, NadawcaId = 0;
    // The accounts of the authority chosen last, for the kind of account.
    AuthorityAccounts accounts;

private:
    bool microAccountKind() const;
    // The kind's check state as a new choice of kind gives it: on and open for PIT, CIT and VAT.
    void defaultMicroAccountCheck();
    // The micro-account the identifier and its type give, empty when they give none.
    QString microAccount() const;
    // Puts the account the kind, the check and the identifier give into the recipient field.
    void applyAccount();
    // The identifier changed: with the micro-account in use, the account follows it.
    void followIdentifier();

    QWidget *window_;
    bool otherKindGivesPit_;
    PayerNumbers payer_;
    StoredAmount *amount_;
    std::function<void(const QString &)> takePayerAccount_;
};
