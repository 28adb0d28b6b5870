#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

// Composes a tax period code from its year, kind and number. It checks nothing:
// the caller validates the code it gets back (see TaxPeriod.h).
class TOkresFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TOkresFrm(QWidget *parent = nullptr);

    // Fills the fields from `code` and runs the dialog modally; true when confirmed.
    bool ShowPeriod(const QString &code);
    // Fills the fields from `code` without showing anything.
    void LoadPeriod(const QString &code);
    // Two year positions, the kind's letter (nothing when no kind is chosen) and
    // four number positions; unfilled positions read as blanks.
    QString PeriodCode() const;

public slots:
    void WstawRokBtnClick();
    void PostBtnClick();

private:
    QLineEdit *EdRok;
    QComboBox *EdTyp;
    QLineEdit *EdNrOkresu;
    QPushButton *WstawRokBtn;
    QPushButton *PostBtn;
    QPushButton *CancelBtn;
};
