#pragma once

#include "Globals.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QSpinBox;

// "Marginesy": shows and saves the calibrated margins of one printer and form.
class TMarginesyFrm : public QDialog
{
    Q_OBJECT
public:
    // Prints the outlines of a form at margins not yet saved.
    using TrialPrint = std::function<void(PrintForm form, Margins margins)>;

    explicit TMarginesyFrm(QWidget *parent = nullptr);

    // Fills the dialog and shows it modally; the result is that of the dialog.
    int EditMargins(const QString &printerName, PrintForm form);
    // The filling alone, without showing.
    void prepare(const QString &printerName, PrintForm form);

    void setTrialPrint(TrialPrint trialPrint);

    void PostBtnClick();
    void TrialPrintBtnClick();

private:
    QLineEdit *drukarkaLbl_;
    QLineEdit *formularzLbl_;
    QSpinBox *edLewy_;
    QSpinBox *edGora_;
    QPushButton *trialPrintBtn_;
    QString printerName_;
    PrintForm form_ = PrintForm::F110;
    TrialPrint trialPrint_;
};
