#pragma once

#include "RowStore.h"

#include <QDialog>

class Dataset;
class NullableDateEdit;
class OrdinaryOrderFields;
class QPushButton;
class SenderAccountLine;

// The ordinary transfer order: a new one, or the one on which the main window's list
// of ordinary transfers stands. The recipient, the sender and the title can be taken
// from the directories and nearly the whole order from a template; what is taken is
// copied, so a stored order never changes with the directory entry it came from.
class TZwyklyFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TZwyklyFrm(QWidget *parent = nullptr);

    // Show modally; true when the order was stored (the list then stands on it).
    bool ShowNew();
    bool ShowCurrent();
    bool IsNew() const { return isNew_; }

    void PostBtnClick();
    void SzablonBtnClick();
    void EdOperacjaClick();
    void QrBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Fills the order from the template on which the templates list stands; the date
    // and whether the order is new stay as they were.
    void ApplyTemplate(const Dataset &row);
    // The fields an order and a template share; the warning's %1 is an amount the field cannot hold.
    void fill(const Dataset &row, const QString &amountOutOfRange);
    void write(Dataset &rows);

    OrdinaryOrderFields *fields_;
    SenderAccountLine *EdKonto_Nad;
    NullableDateEdit *EdData;
    QPushButton *PostBtn, *CancelBtn, *SzablonBtn, *QrBtn;

    bool isNew_ = true;
    RowStore rowStore_;
    // The order this window changes once it exists in the list (0 before).
    qint32 rowId_ = 0;
};
