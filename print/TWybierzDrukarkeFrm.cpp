#include "TWybierzDrukarkeFrm.h"

#include "ModalSeam.h"
#include "PrinterList.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

TWybierzDrukarkeFrm::TWybierzDrukarkeFrm(QPrinter &printer, QWidget *parent) : QDialog(parent), printer_(printer)
{
    setObjectName(QStringLiteral("WybierzDrukarkeFrm"));
    setWindowTitle(QStringLiteral("Drukarka"));

    edDrukarka_ = new QComboBox(this);
    edDrukarka_->setObjectName(QStringLiteral("EdDrukarka"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Drukarka"), edDrukarka_);

    auto *okBtn = new QPushButton(QStringLiteral("&Wybierz"), this);
    okBtn->setObjectName(QStringLiteral("OkBtn"));
    okBtn->setDefault(true);
    auto *cancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    pageSetupBtn_ = new QPushButton(QStringLiteral("&Ustawienia strony..."), this);
    pageSetupBtn_->setObjectName(QStringLiteral("PageSetupBtn"));

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(okBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelBtn, QDialogButtonBox::RejectRole);
    buttons->addButton(pageSetupBtn_, QDialogButtonBox::ActionRole);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(pageSetupBtn_, &QPushButton::clicked, this, &TWybierzDrukarkeFrm::PageSetupBtnClick);
    connect(edDrukarka_, &QComboBox::currentIndexChanged, this, &TWybierzDrukarkeFrm::updatePageSetup);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void TWybierzDrukarkeFrm::prepare(const QStringList &entries, const QString &current)
{
    edDrukarka_->clear();
    edDrukarka_->addItems(entries);
    edDrukarka_->setCurrentIndex(std::max(0, int(entries.indexOf(current))));
    updatePageSetup();
}

QString TWybierzDrukarkeFrm::ChosenPrinter() const
{
    return edDrukarka_->currentText();
}

void TWybierzDrukarkeFrm::PageSetupBtnClick()
{
    if (ChosenPrinter() == PdfPrinterName())
        return;
    printer_.setPrinterName(ChosenPrinter());
    QPageSetupDialog setup(&printer_, this);
    ModalSeam::run(setup);
}

void TWybierzDrukarkeFrm::updatePageSetup()
{
    // The PDF file is always A4 with the whole sheet printable.
    pageSetupBtn_->setEnabled(!ChosenPrinter().isEmpty() && ChosenPrinter() != PdfPrinterName());
}
