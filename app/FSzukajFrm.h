#pragma once

#include <QDialog>
#include <array>

class Dataset;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Szukaj": finds a transfer in one of the main window's lists by a text in one of
// its name columns and leaves the list on the row found. One instance lives for the
// whole run, so the text, the options and the starting point stay as the user left
// them, and the chosen column is remembered for each list on its own.
class TSzukajFrm : public QDialog
{
    Q_OBJECT

public:
    enum Kind { Ordinary = 0, Tax = 1, Zus = 2 };
    enum Start { FromCurrent = 0, FromBeginning = 1 };

    explicit TSzukajFrm(QWidget *parent = nullptr);
    ~TSzukajFrm() override;

    // Each fills the column list for its list and shows the dialog modally.
    void SearchOrdinary();
    void SearchTax();
    void SearchZus();

    Kind ListKind() const { return listKind_; }
    int LastColumn(Kind kind) const { return lastColumn_[size_t(kind)]; }

    // The search of the "Szukaj" button; a database error goes to the caller.
    void PostBtnClick();

private:
    void FormCreate();
    void FormClose();
    void showFor(Kind kind);
    Dataset &list() const;

    Kind listKind_ = Ordinary;
    std::array<int, 3> lastColumn_{};

    QLineEdit *EdTekst;
    QComboBox *EdPole;
    QCheckBox *EdCaps;
    QCheckBox *EdCzesc;
    QButtonGroup *StartBox;
    QPushButton *PostBtn;
    QPushButton *CancelBtn;
};

// The single instance, created at start-up.
extern TSzukajFrm *SzukajFrm;
