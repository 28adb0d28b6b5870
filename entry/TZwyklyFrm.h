#pragma once

#include <QDialog>

class AccountEdit;
class Dataset;
class LengthCounter;
class MoneyEdit;
class NameLine;
class NullableDateEdit;
class OperationKind;
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
    void OdbiorcaBtnClick();
    void NadawcaBtnClick();
    void TytulBtnClick();
    void EdOperacjaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Fills the order from the template on which the templates list stands; the date
    // and whether the order is new stay as they were.
    void ApplyTemplate(const Dataset &row);
    void fillFromCurrentRow();
    void rememberSender(const QString &account);
    void write(Dataset &rows);
    bool standOnOwnRow();
    // Runs a handler of the user's under the general error report.
    void handle(void (TZwyklyFrm::*handler)());

    NameLine *EdNazwa1_Odb, *EdNazwa2_Odb, *EdNazwa1_Nad, *EdNazwa2_Nad, *EdTytul1, *EdTytul2;
    LengthCounter *lbNazwa1_Odb, *lbNazwa2_Odb, *lbNazwa1_Nad, *lbNazwa2_Nad, *lbTytul1, *lbTytul2;
    AccountEdit *EdKonto_Odb;
    OperationKind *EdOperacja;
    MoneyEdit *EdKwota;
    SenderAccountLine *EdKonto_Nad;
    NullableDateEdit *EdData;
    QPushButton *PostBtn, *CancelBtn, *SzablonBtn;

    bool isNew_ = true;
    // The order this window changes once it exists in the list (0 before).
    qint32 rowId_ = 0;
    // Where the choosers open: the contractor or title last chosen here.
    qint32 OdbiorcaId = 0, NadawcaId = 0, TytulId = 0;
};
