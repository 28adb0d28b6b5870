#pragma once

#include "RowStore.h"
#include "TaxOrderFields.h"

#include <QDialog>

class NullableDateEdit;
class QPushButton;
class QToolButton;
class SenderAccountLine;

// The editor of one tax transfer ("Podatkowy"): a new one, or the row on which the
// main window's list of tax transfers stands. The recipient is a tax authority of the
// directory, whose account for the kind of tax is put into the recipient account;
// the amount may be taken from the interest calculator.
class TPodatkowyFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TPodatkowyFrm(QWidget *parent = nullptr);

    // Both show the window modally; true when the transfer was stored.
    bool ShowNew();
    bool ShowCurrent();

    void PostBtnClick();
    void CalcBtnClick();

private:
    void buildLayout();
    void setFocusOrder();
    bool run();
    void write();

    bool IsNew = false;
    RowStore rowStore_;
    // The row being corrected, or the one a first store added.
    qint32 transferId_ = 0;

    TaxOrderFields *fields_;
    QToolButton *CalcBtn;
    SenderAccountLine *EdKonto_Nad;
    NullableDateEdit *EdData;
    QPushButton *PostBtn, *CancelBtn;
};
