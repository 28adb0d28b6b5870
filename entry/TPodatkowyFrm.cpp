#include "TPodatkowyFrm.h"

#include "AccountEdit.h"
#include "DateValue.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "FOdsetkiTbl.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "NullableDateEdit.h"
#include "OperationKind.h"
#include "RowStore.h"
#include "SaveChecks.h"
#include "SenderAccountLine.h"
#include "TaxPeriod.h"
#include "Typy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Id = QStringLiteral("PRZELEWID");

}

TPodatkowyFrm::TPodatkowyFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPodatkowyFrm"));
    setWindowTitle(QStringLiteral("Podatkowy"));

    fields_ = new TaxOrderFields(this, false);
    CalcBtn = Named(new QToolButton(this), "CalcBtn");
    CalcBtn->setText(QStringLiteral("%"));
    CalcBtn->setToolTip(QStringLiteral("Kalkulator odsetek"));
    // Pressing it must not leave the amount: that would refill the line under it.
    CalcBtn->setFocusPolicy(Qt::NoFocus);
    EdKonto_Nad = new SenderAccountLine(fields_->EdOperacja, fields_->EdKwota, this);
    fields_->OnPayerAccount([this](const QString &account) {
        EdKonto_Nad->SetRemembered(account);
        EdKonto_Nad->ShowRemembered();
    });
    EdData = Named(new NullableDateEdit(this), "EdData");
    PostBtn = Named(new QPushButton(QStringLiteral("&Zapisz"), this), "PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    CancelBtn->setAutoDefault(false);

    buildLayout();
    setFocusOrder();

    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &TPodatkowyFrm::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ConnectGuarded(CalcBtn, &QToolButton::clicked, this, &TPodatkowyFrm::CalcBtnClick);
}

void TPodatkowyFrm::buildLayout()
{
    for (QLineEdit *name : {fields_->EdNazwa1_Odb, fields_->EdNazwa2_Odb, fields_->EdNazwa1_Nad, fields_->EdNazwa2_Nad})
        name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 44);

    auto *fields = new QGridLayout;
    int row = 0;
    fields_->AddRecipientRows(fields, row);
    fields->addWidget(Caption(QStringLiteral("Numer rachunku bankowego organu podatkowego"), fields_->EdKonto_Odb, this),
                      row++, 0);
    fields->addLayout(fields_->AccountRow(), row++, 0);
    QBoxLayout *amountRow = fields_->AmountRow();
    amountRow->addWidget(CalcBtn);
    fields->addLayout(amountRow, row++, 0);
    fields->addWidget(Caption(QStringLiteral("Numer rachunku bankowego zobowiązanego (przelew) / kwota słownie (wpłata)"),
                              EdKonto_Nad, this),
                      row++, 0);
    fields->addWidget(EdKonto_Nad, row++, 0);
    fields_->AddPayerRows(fields, row);
    QGridLayout *identifier = fields_->IdentifierGrid();
    identifier->addWidget(Caption(QStringLiteral("Data złożenia"), EdData, this), 4, 0);
    identifier->addWidget(EdData, 5, 0);
    fields->addLayout(identifier, row++, 0, 1, 2);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPodatkowyFrm::setFocusOrder()
{
    const TaxOrderFields &f = *fields_;
    QWidget *deposit = f.EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata"));
    QWidget *transfer = f.EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew"));
    const QList<QWidget *> order{f.EdNazwa1_Odb, f.EdNazwa2_Odb, f.EdKonto_Odb, f.EdRodzajRach, f.EdMikrorachunek,
                                 deposit, transfer, f.EdKwota, EdKonto_Nad, f.EdNazwa1_Nad, f.EdNazwa2_Nad, f.EdNIP,
                                 f.EdTyp, f.EdOkres, f.EdSymbol, f.EdIdentyfZobow, EdData, PostBtn, CancelBtn};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool TPodatkowyFrm::run()
{
    adjustSize();
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    fields_->EdNazwa1_Odb->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

bool TPodatkowyFrm::ShowNew()
{
    IsNew = true;
    transferId_ = 0;
    fields_->Clear(QStringLiteral("P"));
    EdData->SetDate(QDate());
    EdKonto_Nad->SetRemembered(QString());
    EdKonto_Nad->clear();
    fields_->EdOkres->setText(PreviousMonthPeriod(QDate::currentDate()));
    return run();
}

bool TPodatkowyFrm::ShowCurrent()
{
    const Dataset &row = DM->Podatkowe;
    if (row.currentRow() < 0)
        return false;
    IsNew = false;
    transferId_ = row.value(Id).toInt();
    fields_->Fill(row);
    const QVariant date = row.value(QStringLiteral("DATA_PRZEK"));
    EdData->SetDate(date.metaType().id() == QMetaType::QDateTime ? date.toDateTime().date() : date.toDate());
    EdKonto_Nad->SetRemembered(row.value(QStringLiteral("KONTO_NAD")).toString());
    EdKonto_Nad->Refill();

    TUrzad authority;
    authority.Load(fields_->UrzadId);
    fields_->accounts = AuthorityAccounts::Of(authority);

    fields_->EdKonto_Odb->Check();
    return run();
}

void TPodatkowyFrm::CalcBtnClick()
{
    TOdsetkiTbl calculator(this);
    if (!calculator.ShowForTransfer())
        return;
    const Money total = calculator.ChosenTotal();
    if (!fields_->EdKwota->SetValue(total)) {
        DM->ShowWarning(QStringLiteral("Wyliczona kwota %1 przekracza największą kwotę przelewu (%2).\n"
                                       "Kwota przelewu nie została zmieniona.")
                            .arg(MoneyEdit::Grouped(total), MoneyEdit::Grouped(MoneyEdit::Maximum())));
        return;
    }
    // A deposit's line shows the amount in words: it must follow the new amount at once.
    if (!fields_->EdOperacja->IsTransfer())
        EdKonto_Nad->Refill();
}

void TPodatkowyFrm::PostBtnClick()
{
    const TaxOrderFields &f = *fields_;
    const bool transfer = f.EdOperacja->IsTransfer();
    const bool checksPassed = RunSaveChecks({
        {[&f] { return IsBlank(f.EdNazwa1_Odb); }, QStringLiteral("Nazwa organu podatkowego musi być podana."),
         f.EdNazwa1_Odb},
        // A blank identifier is told as missing where the form asks for it.
        {[&f] { return !IsBlank(f.EdNIP) && f.MicroAccountMissing(); }, TaxOrderFields::MicroAccountMissingMessage,
         f.EdNIP},
        {[&f] { return f.EdKonto_Odb->Digits().isEmpty(); },
         QStringLiteral("Numer rachunku bankowego organu podatkowego musi być podany."), f.EdKonto_Odb},
        {[&f] { return !f.EdKonto_Odb->Digits().isEmpty() && !IsValidAccount(f.EdKonto_Odb->text()); },
         QStringLiteral("Numer rachunku bankowego organu podatkowego jest nieprawidłowy."), nullptr},
        {[&f] { return f.EdKwota->Value() == Money(); }, QStringLiteral("Kwota musi być podana."), f.EdKwota},
        {[this] { return EdKonto_Nad->LacksAccount(); },
         QStringLiteral("Numer rachunku bankowego zobowiązanego musi być podany."), EdKonto_Nad},
        {[this, transfer] { return transfer && !EdKonto_Nad->LacksAccount() && !IsValidAccount(EdKonto_Nad->text()); },
         QStringLiteral("Numer rachunku bankowego zobowiązanego jest nieprawidłowy."), nullptr},
        {[&f] { return IsBlank(f.EdNazwa1_Nad); }, QStringLiteral("Nazwa zobowiązanego musi być podana."),
         f.EdNazwa1_Nad},
        // A bank refuses a tax transfer whose tags lack the identifier or the symbol.
        {[&f] { return IsBlank(f.EdNIP); }, QStringLiteral("NIP lub identyfikator uzupełniający musi być podany."),
         f.EdNIP},
        {[&f] { return !IsTaxPeriodValid(f.EdOkres->text()); }, QStringLiteral("Podany okres jest nieprawidłowy."),
         f.EdOkres},
        {[&f] { return f.EdSymbol->currentText().trimmed().isEmpty(); },
         QStringLiteral("Symbol formularza lub płatności musi być podany."), f.EdSymbol},
        // Something typed that is no date must not be stored as "no date".
        {[this] { return EdData->HasInvalidText(); }, QStringLiteral("Nieprawidłowa data."), EdData},
    });
    if (!checksPassed)
        return;

    Dataset &list = DM->Podatkowe;
    if (!IsNew && !rowStore_.StoringAgain() && !StandOnStoredRow(list, Id, transferId_, [this] { DM->ReopenTaxList(transferId_); }))
        return;

    switch (rowStore_.Store(list, IsNew, [this] { write(); }, [this] { DM->ReopenTaxList(transferId_); })) {
    case StoreResult::Stored:
        accept();
        break;
    case StoreResult::KeptTheirs:
        reject();
        break;
    case StoreResult::PostedNotShown:
        IsNew = false;
        break;
    case StoreResult::Failed:
        break;
    }
}

void TPodatkowyFrm::write()
{
    Dataset &row = DM->Podatkowe;
    if (IsNew) {
        transferId_ = DM->NewTransferId();
        row.setValue(QStringLiteral("PRZELEWID"), transferId_);
        row.setValue(QStringLiteral("DATA_WPR"), QDate::currentDate());
    }
    fields_->Write(row);
    row.setValue(QStringLiteral("KONTO_NAD"), EdKonto_Nad->StoredAccount());
    const QDate date = EdData->Date();
    row.setValue(QStringLiteral("DATA_PRZEK"), date.isValid() ? date : DateValue::zeroDate());
}
