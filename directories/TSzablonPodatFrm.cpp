#include "TSzablonPodatFrm.h"

#include "AccountEdit.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "OperationKind.h"
#include "RowStore.h"
#include "SaveChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Id = QStringLiteral("PRZELEWID");

bool invalidAccount(const AccountEdit *account)
{
    return !account->Digits().isEmpty() && !IsValidAccount(account->text());
}

}

TSzablonPodatFrm::TSzablonPodatFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSzablonPodatFrm"));
    setWindowTitle(QStringLiteral("Przelew podatkowy - szablon"));

    EdNazwa = Named(new QLineEdit(this), "EdNazwa");
    EdNazwa->setMaxLength(50);
    fields_ = new TaxOrderFields(this, true);
    EdKonto_Nad = Named(new AccountEdit(this), "EdKonto_Nad");
    // A deposit keeps the payer account the field shows: that is what it stores.
    fields_->OnPayerAccount([this](const QString &account) {
        if (fields_->EdOperacja->IsTransfer()) {
            EdKonto_Nad->SetDigits(account);
            EdKonto_Nad->Check();
        }
    });
    PostBtn = Named(new QPushButton(QStringLiteral("&Zapisz"), this), "PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    CancelBtn->setAutoDefault(false);

    buildLayout();

    const TaxOrderFields &f = *fields_;
    QWidget *deposit = f.EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata"));
    QWidget *transfer = f.EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew"));
    const QList<QWidget *> order{EdNazwa, f.EdNazwa1_Odb, f.EdNazwa2_Odb, deposit, transfer, f.EdKwota,
                                 f.EdKonto_Odb, f.EdRodzajRach, f.EdMikrorachunek, f.EdNazwa1_Nad, f.EdNazwa2_Nad,
                                 f.EdNIP, f.EdTyp, f.EdOkres, f.EdSymbol, f.EdIdentyfZobow, EdKonto_Nad, PostBtn, CancelBtn};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &TSzablonPodatFrm::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TSzablonPodatFrm::buildLayout()
{
    for (QLineEdit *name : {EdNazwa, static_cast<QLineEdit *>(fields_->EdNazwa1_Odb),
                            static_cast<QLineEdit *>(fields_->EdNazwa2_Odb), static_cast<QLineEdit *>(fields_->EdNazwa1_Nad),
                            static_cast<QLineEdit *>(fields_->EdNazwa2_Nad)})
        name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 44);

    auto *fields = new QGridLayout;
    int row = 0;
    fields->addWidget(Caption(QStringLiteral("&Nazwa szablonu (identyfikator)"), EdNazwa, this), row++, 0);
    fields->addWidget(EdNazwa, row++, 0);
    fields_->AddRecipientRows(fields, row);
    fields->addLayout(fields_->AmountRow(), row++, 0);
    fields->addWidget(Caption(QStringLiteral("Numer rachunku bankowego organu podatkowego"), fields_->EdKonto_Odb, this),
                      row++, 0);
    fields->addLayout(fields_->AccountRow(), row++, 0);
    fields_->AddPayerRows(fields, row);
    fields->addLayout(fields_->IdentifierGrid(), row++, 0, 1, 2);
    fields->addWidget(Caption(QStringLiteral("Numer rachunku zobowiązanego"), EdKonto_Nad, this), row++, 0);
    fields->addWidget(EdKonto_Nad, row++, 0);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TSzablonPodatFrm::run()
{
    EdNazwa->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

bool TSzablonPodatFrm::ShowNew(qint32 contractorId)
{
    IsNew = true;
    KontrahId = contractorId;
    templateId_ = 0;
    EdNazwa->clear();
    fields_->Clear(OtherAccountKind);
    EdKonto_Nad->SetDigits(QString());
    return run();
}

bool TSzablonPodatFrm::ShowCurrent()
{
    const Dataset &row = DM->szPodatkowe;
    if (row.currentRow() < 0)
        return false;
    IsNew = false;
    templateId_ = row.value(Id).toInt();
    KontrahId = row.value(QStringLiteral("KONTRAHID")).toInt();
    EdNazwa->setText(row.value(QStringLiteral("NAZWA")).toString());
    fields_->Fill(row);
    // The field carries the account mask, so a deposit shows the stored account too,
    // not the amount in words, and stores what it shows.
    EdKonto_Nad->SetDigits(row.value(QStringLiteral("KONTO_NAD")).toString());
    fields_->EdKonto_Odb->Check();
    EdKonto_Nad->Check();
    return run();
}

void TSzablonPodatFrm::PostBtnClick()
{
    const bool checksPassed = RunSaveChecks({
        {[this] { return IsBlank(EdNazwa); }, QStringLiteral("Nazwa szablonu musi być podana."),
         EdNazwa},
        {[this] { return fields_->MicroAccountMissing(); }, TaxOrderFields::MicroAccountMissingMessage,
         fields_->EdNIP},
        {[this] { return invalidAccount(fields_->EdKonto_Odb); },
         QStringLiteral("Numer rachunku organu podatkowego jest nieprawidłowy."), nullptr},
        {[this] { return invalidAccount(EdKonto_Nad); },
         QStringLiteral("Numer rachunku zobowiązanego jest nieprawidłowy."), nullptr},
    });
    if (!checksPassed)
        return;

    Dataset &templates = DM->szPodatkowe;
    // The template this window opened, wherever the query stands now.
    if (!IsNew && !rowStore_.StoringAgain()
        && !StandOnStoredRow(templates, Id, templateId_, [this] { DM->ReopenTaxTemplates(KontrahId, templateId_); },
                             TemplateGone)) {
        EdNazwa->setFocus();
        return;
    }

    const auto commit = [this] { DM->ReopenTaxTemplates(KontrahId, templateId_); };
    switch (rowStore_.Store(templates, IsNew, [this] { write(); }, commit)) {
    case StoreResult::Stored:
        accept();
        return;
    case StoreResult::KeptTheirs:
        reject();
        return;
    case StoreResult::PostedNotShown:
        // The template exists now: another "&Zapisz" changes it instead of adding it again.
        IsNew = false;
        break;
    case StoreResult::Failed:
        break;
    }
    EdNazwa->setFocus();
}

void TSzablonPodatFrm::write()
{
    Dataset &row = DM->szPodatkowe;
    auto set = [&row](const char *column, const QVariant &value) { row.setValue(QLatin1String(column), value); };
    if (IsNew) {
        templateId_ = DM->NewTransferId();
        set("PRZELEWID", templateId_);
        set("KONTRAHID", KontrahId);
    }
    set("NAZWA", EdNazwa->text());
    fields_->Write(row);
    set("KONTO_NAD", EdKonto_Nad->Digits());
    set("NADAWCAID", fields_->NadawcaId);
}
