#pragma once

#include "BankOrderSource.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// "Eksport do banku": the chosen orders of one list (or all of it) into a bank import
// file. The code page and the bank profile are remembered in the user's settings.
class TEksportFrm : public QDialog
{
    Q_OBJECT

public:
    TEksportFrm(BankList list, const QList<qint32> &ids, QWidget *parent = nullptr);

    // Shows the window modally; the number of orders written, 0 when none was.
    int ShowExport();

    void ExportBtnClick();
    void BrowseBtnClick();

private:
    BankList list_;
    QList<qint32> ids_;
    int written_ = 0;

    QComboBox *EdStronaKodowa, *EdProfil;
    QLineEdit *EdPlik;
    QPushButton *BrowseBtn, *ExportBtn, *CancelBtn;
};
