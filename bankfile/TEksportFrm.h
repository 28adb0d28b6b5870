#pragma once

#include "BankOrderSource.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Eksport do banku": the selected orders of one list, or all of it when the user chooses
// so and agrees to the count and dates, into a bank import file. Orders dated in the past
// are named; the user moves them to today or leaves them out. The code page and the bank
// profile are remembered in the user's settings.
class TEksportFrm : public QDialog
{
    Q_OBJECT

public:
    TEksportFrm(BankList list, const QList<qint32> &ids, QWidget *parent = nullptr);

    // Shows the window modally; the number of orders written, 0 when none was. Reads the
    // chosen orders, to name those dated in the past.
    int ShowExport();

    void ExportBtnClick();
    void BrowseBtnClick();
    void ScopeClick();

private:
    bool allChosen() const;
    // The orders the chosen scope takes now; none while nothing is chosen.
    QList<BankOrder> chosenOrders() const;
    void showPastDated(const QList<BankOrder> &past);
    bool confirmAll(const QList<BankOrder> &orders) const;

    BankList list_;
    QList<qint32> ids_;
    int written_ = 0;

    QComboBox *EdStronaKodowa, *EdProfil;
    QLineEdit *EdPlik;
    QRadioButton *RbZaznaczone, *RbWszystkie, *RbPrzeszleDzis, *RbPrzeszlePomin;
    QGroupBox *GbPrzeszle;
    QLabel *lbPrzeszle;
    QPushButton *BrowseBtn, *ExportBtn, *CancelBtn;
};
