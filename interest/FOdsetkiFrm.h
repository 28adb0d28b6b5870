#pragma once

#include "RateTables.h"
#include "RowStore.h"

#include <QDialog>

class QDateEdit;
class QPushButton;
class RateEdit;

// The rate editor: one entry of a rate table, its first day and its yearly rate.
// Saving commits the table at once and leaves its list standing on the entry.
class TOdsetkiFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TOdsetkiFrm(QWidget *parent = nullptr);

    // A new entry of the table: today, rate 0.
    void ShowNew(RateKind kind);
    // The entry on which the table's list stands.
    void ShowCurrent(RateKind kind);

    void PostBtnClick();

private:
    void showFor(RateKind kind);
    // Puts the list back as it was before a failed save, as far as the database allows.
    void recoverList(qint32 storedId);

    RateKind RateKind_ = RateKind::Tax;
    bool IsNew = false;
    RowStore rowStore_;

    QDateEdit *EdOdDnia;
    RateEdit *EdStopa;
    QPushButton *PostBtn, *CancelBtn;
};
