#pragma once

#include "RowStore.h"
#include "TaxOrderFields.h"

#include <QDialog>

class AccountEdit;
class QLineEdit;
class QPushButton;

// The editor of one tax transfer template of a contractor: a tax transfer without
// dates under a short name. It changes the template on which the templates query
// stood when it opened, or adds one to the contractor it was given, and commits each
// store at once, as every directory's editor does.
class TSzablonPodatFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TSzablonPodatFrm(QWidget *parent = nullptr);

    // Both show the window modally; true when the template was stored.
    bool ShowNew(qint32 contractorId);
    bool ShowCurrent();

    void PostBtnClick();

private:
    void buildLayout();
    bool run();
    void write();

    bool IsNew = false;
    RowStore rowStore_;
    qint32 KontrahId = 0;
    // The template being corrected, or the one a first store added.
    qint32 templateId_ = 0;

    QLineEdit *EdNazwa;
    TaxOrderFields *fields_;
    AccountEdit *EdKonto_Nad;
    QPushButton *PostBtn, *CancelBtn;
};
