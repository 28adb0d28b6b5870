#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QPushButton;

// "Drukarka": the choice among the system's printers and the PDF file, with the
// platform's page set-up for a system printer.
class TWybierzDrukarkeFrm : public QDialog
{
    Q_OBJECT
public:
    // The printer is the one the print dialog keeps; its page set-up is changed in place.
    TWybierzDrukarkeFrm(QPrinter &printer, QWidget *parent = nullptr);

    void prepare(const QStringList &entries, const QString &current);
    QString ChosenPrinter() const;

    void PageSetupBtnClick();

private:
    void updatePageSetup();

    QPrinter &printer_;
    QComboBox *edDrukarka_;
    QPushButton *pageSetupBtn_;
};
