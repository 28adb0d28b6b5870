#pragma once

#include "RowStore.h"

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>

struct ContractorChoice;
class Dataset;
class LengthCounter;
class MoneyEdit;
class NameLine;
class OperationKind;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// A payment to ZUS: up to three payments ([51] social insurance, [52] health insurance,
// [53] FP and FGŚP), each with its type, amount and decision number, the payer with its
// identifiers, and the declaration the payment belongs to. The recipient is always ZUS,
// so there is none to enter; the account line holds the payer's account only and
// matters only for a transfer ("Przelew").
class TZUSFrm : public QDialog
{
    Q_OBJECT

public:
    // Today's date as the editor sees it (the declaration defaults to the month before).
    using Clock = std::function<QDate()>;

    explicit TZUSFrm(QWidget *parent = nullptr);

    // Show modally; true when the order was stored (the list then stands on it).
    bool ShowNew();
    bool ShowCurrent();
    bool IsNew() const { return isNew_; }

    void SetClock(Clock clock) { clock_ = std::move(clock); }

    void PostBtnClick();
    void NadButtonClick();
    void UstawSkladkaBtnClick();
    void EdKwotaExit();
    void EdKonto_NadExit();
    void EdTypChange();

private:
    struct Payment
    {
        int number;
        QComboBox *type;
        MoneyEdit *amount;
        QLineEdit *decision;
    };

    // Takes the payer the contractor chooser handed back.
    void TakePayer(const ContractorChoice &payer);
    void buildLayout();
    void setTabOrderOfFields();
    bool open(bool isNew);
    void clearForNew();
    void fillFromCurrentRow();
    void write(Dataset &rows);
    void centreOnDesktop();

    OperationKind *EdOperacja;
    std::array<Payment, 3> payments_;
    QLabel *KwotaLbl;
    QToolButton *UstawSkladkaBtn;
    QLineEdit *EdKonto_Nad;
    NameLine *EdNazwa1_Nad, *EdNazwa2_Nad;
    LengthCounter *lbNazwa1_Nad, *lbNazwa2_Nad;
    QLineEdit *EdNIP;
    QComboBox *EdTyp;
    QLineEdit *EdIdentyfUzup;
    QLineEdit *EdNrDekl;
    QSpinBox *EdMies, *EdRok;
    QLineEdit *EdPodpisA, *EdPodpisB, *EdPodpisC;
    QPushButton *PostBtn, *CancelBtn;

    Clock clock_;
    bool isNew_ = true;
    RowStore rowStore_;
    // Whether a save posted the order, even if the list could not be reopened on it.
    bool stored_ = false;
    // The order this window changes once it exists in the list (0 before).
    qint32 rowId_ = 0;
    // Where the contractor chooser opens: the payer last chosen, or the stored one.
    qint32 NadawcaId = 0;
    // The identifiers of the payer last chosen here, for the second identifier.
    QString RegonNad, PeselNad;
};
