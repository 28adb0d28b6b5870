#pragma once

#include <QObject>
#include <QString>
#include <functional>

class AccountEdit;
class LengthCounter;
class MoneyEdit;
class NameLine;
class OperationKind;
class QGridLayout;
class QLineEdit;
class QWidget;

// The fields that an ordinary transfer order and an ordinary template share, with
// their length counters, and the choosers that copy a contractor or a title into them.
// The sender's account field is each window's own (the order's line doubles as the
// amount in words), so the window makes it and hands it over before laying out.
class OrdinaryOrderFields : public QObject
{
public:
    struct Captions
    {
        QString recipient, recipientAccount, senderAccount, title;
    };

    OrdinaryOrderFields(QWidget *form, Captions captions);

    // takeAccount receives the account of a sender chosen from the contractors.
    void SetSenderField(QLineEdit *field, std::function<void(const QString &account)> takeAccount);

    // Captions and fields from the recipient's name to the title's second line: fields
    // in column 0, counters in column 1.
    void AddRows(QGridLayout *grid, int &row) const;
    // The fields top to bottom as AddRows lays them out, so that Tab and the eye move
    // together; fields a window lays out below come after them.
    QList<QWidget *> FocusChain() const;

    void OdbiorcaBtnClick();
    void NadawcaBtnClick();
    void TytulBtnClick();

    NameLine *EdNazwa1_Odb, *EdNazwa2_Odb, *EdNazwa1_Nad, *EdNazwa2_Nad, *EdTytul1, *EdTytul2;
    LengthCounter *lbNazwa1_Odb, *lbNazwa2_Odb, *lbNazwa1_Nad, *lbNazwa2_Nad, *lbTytul1, *lbTytul2;
    AccountEdit *EdKonto_Odb;
    OperationKind *EdOperacja;
    MoneyEdit *EdKwota;
    QLineEdit *EdKonto_Nad = nullptr;
    // Where the choosers open: the contractors and title chosen last (or stored).
    qint32 OdbiorcaId = 0, NadawcaId = 0, TytulId = 0;

private:
    // Leaving the recipient's account: a ZUS contribution account whose last ten digits
    // are not the sender's NIP may pay another payer's contributions. Only a warning, as
    // payers registered without a NIP have other digits there.
    void warnOfAnotherPayersZusAccount();

    QWidget *form_;
    Captions captions_;
    std::function<void(const QString &)> takeSenderAccount_;
};
