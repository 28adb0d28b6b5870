#include "TMarginesyFrm.h"

#include "MessageSeam.h"
#include "ModalSeam.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace {

QLineEdit *readOnlyField(QWidget *parent, const char *name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    return field;
}

QSpinBox *unboundedSpin(QWidget *parent, const char *name)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return spin;
}

}

TMarginesyFrm::TMarginesyFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MarginesyFrm"));
    setWindowTitle(QStringLiteral("Marginesy"));

    drukarkaLbl_ = readOnlyField(this, "DrukarkaLbl");
    formularzLbl_ = readOnlyField(this, "FormularzLbl");
    edLewy_ = unboundedSpin(this, "EdLewy");
    edGora_ = unboundedSpin(this, "EdGora");

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Drukarka"), drukarkaLbl_);
    fields->addRow(QStringLiteral("Wzór formularza"), formularzLbl_);

    auto *shift = new QGroupBox(QStringLiteral("Przesunięcie [mm]"), this);
    auto *shiftFields = new QFormLayout(shift);
    shiftFields->addRow(QStringLiteral("W &prawo"), edLewy_);
    shiftFields->addRow(QStringLiteral("W &dół"), edGora_);

    auto *postBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    postBtn->setObjectName(QStringLiteral("PostBtn"));
    postBtn->setDefault(true);
    auto *cancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    trialPrintBtn_ = new QPushButton(QStringLiteral("&Wydruk próbny"), this);
    trialPrintBtn_->setObjectName(QStringLiteral("TrialPrintBtn"));
    trialPrintBtn_->setToolTip(QStringLiteral("Drukuje na czystym papierze obrys pól formularza "
                                              "przy wpisanych, jeszcze nie zapisanych marginesach"));
    trialPrintBtn_->setEnabled(false);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(postBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelBtn, QDialogButtonBox::RejectRole);
    buttons->addButton(trialPrintBtn_, QDialogButtonBox::ActionRole);
    connect(postBtn, &QPushButton::clicked, this, &TMarginesyFrm::PostBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(trialPrintBtn_, &QPushButton::clicked, this, &TMarginesyFrm::TrialPrintBtnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(shift);
    layout->addWidget(buttons);
}

int TMarginesyFrm::EditMargins(const QString &printerName, PrintForm form)
{
    prepare(printerName, form);
    return ModalSeam::run(*this);
}

void TMarginesyFrm::prepare(const QString &printerName, PrintForm form)
{
    printerName_ = printerName;
    form_ = form;
    drukarkaLbl_->setText(u' ' + printerName);
    formularzLbl_->setText(u' ' + FormCaption(form));
    Margins margins;
    try {
        margins = LoadMargins(printerName, FormName(form));
    } catch (const MarginsError &error) {
        // Starting from zero lets the user overwrite the unreadable entry.
        MessageSeam::warning(QString::fromStdString(error.what()));
    }
    edLewy_->setValue(margins.left);
    edGora_->setValue(margins.top);
}

void TMarginesyFrm::setTrialPrint(TrialPrint trialPrint)
{
    trialPrint_ = std::move(trialPrint);
    trialPrintBtn_->setEnabled(bool(trialPrint_));
}

void TMarginesyFrm::PostBtnClick()
{
    edLewy_->interpretText();
    edGora_->interpretText();
    try {
        // The name as given, not as shown: a name with outer spaces still finds its margins.
        SaveMargins(printerName_, FormName(form_), edLewy_->value(), edGora_->value());
    } catch (const MarginsError &error) {
        MessageSeam::warning(QString::fromStdString(error.what()));
        return;
    }
    accept();
}

void TMarginesyFrm::TrialPrintBtnClick()
{
    edLewy_->interpretText();
    edGora_->interpretText();
    if (trialPrint_)
        trialPrint_(form_, Margins{edLewy_->value(), edGora_->value()});
}
