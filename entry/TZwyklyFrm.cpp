#include "TZwyklyFrm.h"

#include "AccountEdit.h"
#include "DateValue.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "NullableDateEdit.h"
#include "OperationKind.h"
#include "OrdinaryOrderFields.h"
#include "RowStore.h"
#include "SaveChecks.h"
#include "SenderAccountLine.h"
#include "TKodQRFrm.h"
#include "TWybierzSzablonZW.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString IdColumn = QStringLiteral("PRZELEWID");

QString text(const Dataset &row, const char *column)
{
    const QVariant value = row.value(QLatin1String(column));
    return value.isNull() ? QString() : value.toString();
}

Money money(const Dataset &row, const char *column)
{
    const QVariant value = row.value(QLatin1String(column));
    return value.metaType() == QMetaType::fromType<Money>() ? value.value<Money>() : Money();
}

QDate date(const Dataset &row, const char *column)
{
    const QVariant value = row.value(QLatin1String(column));
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    return {};
}

}

TZwyklyFrm::TZwyklyFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TZwyklyFrm"));
    setWindowTitle(QStringLiteral("Zwykły"));

    auto *form = new QWidget(this);
    fields_ = new OrdinaryOrderFields(
        form, {QStringLiteral("Nazwa odbiorcy"), QStringLiteral("Numer rachunku odbiorcy"),
               QStringLiteral("Numer rachunku zleceniodawcy (przelew) / kwota słownie (wpłata)"),
               QStringLiteral("Tytuł zapłaty")});
    EdKonto_Nad = new SenderAccountLine(fields_->EdOperacja, fields_->EdKwota, form);
    EdKonto_Nad->setMinimumWidth(fontMetrics().averageCharWidth() * 46);
    fields_->SetSenderField(EdKonto_Nad, [this](const QString &account) {
        EdKonto_Nad->SetRemembered(account);
        EdKonto_Nad->ShowRemembered();
    });
    EdData = Named(new NullableDateEdit(form), "EdData");

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(Caption(QStringLiteral("Data złożenia"), EdData, form));
    dateRow->addWidget(EdData);
    dateRow->addStretch();
    auto *fields = new QGridLayout(form);
    fields->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    fields_->AddRows(fields, row);
    fields->addLayout(dateRow, row++, 0);

    PostBtn = Named(new QPushButton(QStringLiteral("&Zapisz"), this), "PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    SzablonBtn = Named(new QPushButton(QStringLiteral("Z szablonu"), this), "SzablonBtn");
    QrBtn = Named(new QPushButton(QStringLiteral("Kod QR"), this), "QrBtn");
    QrBtn->setAutoDefault(false);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(SzablonBtn);
    buttons->addWidget(QrBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget *> order =
        fields_->FocusChain() + QList<QWidget *>{EdData, PostBtn, CancelBtn, SzablonBtn, QrBtn};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &TZwyklyFrm::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ConnectGuarded(SzablonBtn, &QPushButton::clicked, this, &TZwyklyFrm::SzablonBtnClick);
    ConnectGuarded(QrBtn, &QPushButton::clicked, this, &TZwyklyFrm::QrBtnClick);
    connect(fields_->EdOperacja, &OperationKind::clicked, QrBtn,
            [this] { QrBtn->setEnabled(fields_->EdOperacja->IsTransfer()); });
}

void TZwyklyFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
}

bool TZwyklyFrm::ShowNew()
{
    isNew_ = true;
    rowId_ = 0;
    fields_->OdbiorcaId = fields_->NadawcaId = fields_->TytulId = 0;
    for (QLineEdit *line : std::initializer_list<QLineEdit *>{
             fields_->EdNazwa1_Odb, fields_->EdNazwa2_Odb, fields_->EdKonto_Odb, fields_->EdNazwa1_Nad,
             fields_->EdNazwa2_Nad, EdKonto_Nad, fields_->EdTytul1, fields_->EdTytul2})
        line->clear();
    fields_->EdOperacja->SetTransfer(true);
    QrBtn->setEnabled(true);
    fields_->EdKwota->SetValue(Money());
    EdData->SetDate({});
    fields_->EdNazwa1_Odb->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

bool TZwyklyFrm::ShowCurrent()
{
    isNew_ = false;
    const Dataset &row = DM->Zwykle;
    rowId_ = row.value(IdColumn).toInt();
    fill(row, QStringLiteral("Zapisana kwota %1 nie mieści się w polu kwoty; wpisz właściwą kwotę."));
    EdData->SetDate(date(row, "DATA_PRZEK"));
    EdOperacjaClick();
    fields_->EdKonto_Odb->Check();
    fields_->EdNazwa1_Odb->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

void TZwyklyFrm::fill(const Dataset &row, const QString &amountOutOfRange)
{
    fields_->EdNazwa1_Odb->setText(text(row, "NAZWA1_ODB"));
    fields_->EdNazwa2_Odb->setText(text(row, "NAZWA2_ODB"));
    fields_->EdKonto_Odb->SetDigits(text(row, "KONTO_ODB"));
    const Money amount = money(row, "KWOTA");
    if (!fields_->EdKwota->SetValue(amount))
        DM->ShowWarning(amountOutOfRange.arg(MoneyEdit::Grouped(amount)));
    EdKonto_Nad->SetRemembered(text(row, "KONTO_NAD"));
    fields_->EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
    fields_->EdNazwa1_Nad->setText(text(row, "NAZWA1_NAD"));
    fields_->EdNazwa2_Nad->setText(text(row, "NAZWA2_NAD"));
    fields_->EdTytul1->setText(text(row, "TYTUL1_ZAPL"));
    fields_->EdTytul2->setText(text(row, "TYTUL2_ZAPL"));
}

void TZwyklyFrm::EdOperacjaClick()
{
    EdKonto_Nad->Refill();
    // A cash deposit is paid at the counter: no code to pay it from a phone.
    QrBtn->setEnabled(fields_->EdOperacja->IsTransfer());
}

void TZwyklyFrm::QrBtnClick()
{
    const OrdinaryOrderFields &f = *fields_;
    if (f.EdKonto_Odb->Digits().isEmpty() || !IsValidAccount(f.EdKonto_Odb->text())) {
        DM->ShowWarning(QStringLiteral("Kod QR wymaga prawidłowego numeru rachunku odbiorcy."));
        f.EdKonto_Odb->setFocus();
        return;
    }
    // The recipient's NIP comes from the contractor chosen, when it is a valid one.
    const QString nip = ValidContractorNip(f.OdbiorcaId);
    TKodQRFrm code({.RecipientNip = nip,
                    .RecipientAccount = f.EdKonto_Odb->Digits(),
                    .RecipientName = f.EdNazwa1_Odb->text(),
                    .Title = PaymentQrTitle(f.EdTytul1->text(), f.EdTytul2->text()),
                    .Amount = f.EdKwota->Value()},
                   this);
    code.ShowCode();
}

void TZwyklyFrm::SzablonBtnClick()
{
    TWybierzSzablonZW chooser(this);
    if (chooser.ShowChooser())
        ApplyTemplate(DM->szZwykle);
}

void TZwyklyFrm::ApplyTemplate(const Dataset &row)
{
    fields_->NadawcaId = row.value(QStringLiteral("NADAWCAID")).toInt();
    fields_->OdbiorcaId = row.value(QStringLiteral("ODBIORCAID")).toInt();
    fields_->TytulId = row.value(QStringLiteral("TYTULID")).toInt();
    fill(row, QStringLiteral("Kwota szablonu %1 nie mieści się w polu kwoty; wpisz właściwą kwotę."));
    fields_->EdKonto_Odb->Check();
    EdOperacjaClick();
}

void TZwyklyFrm::PostBtnClick()
{
    const bool passed = RunSaveChecks({
        {[this] { return IsBlank(fields_->EdNazwa1_Odb); }, QStringLiteral("Nazwa odbiorcy musi być podana."),
         fields_->EdNazwa1_Odb},
        {[this] { return fields_->EdKonto_Odb->Digits().isEmpty(); }, QStringLiteral("Numer rachunku odbiorcy musi być podany."),
         fields_->EdKonto_Odb},
        {[this] { return !IsValidAccount(fields_->EdKonto_Odb->text()); },
         QStringLiteral("Numer rachunku odbiorcy jest nieprawidłowy."), nullptr},
        {[this] { return fields_->EdKwota->Value() == Money(); }, QStringLiteral("Kwota musi być podana."), fields_->EdKwota},
        // On the digits: a field of separators alone would store no sender account at all.
        {[this] { return EdKonto_Nad->LacksAccount(); },
         QStringLiteral("Numer rachunku zleceniodawcy musi być podany."), EdKonto_Nad},
        {[this] { return fields_->EdOperacja->IsTransfer() && !IsValidAccount(EdKonto_Nad->text()); },
         QStringLiteral("Numer rachunku zleceniodawcy jest nieprawidłowy."), nullptr},
        {[this] { return IsBlank(fields_->EdNazwa1_Nad); }, QStringLiteral("Nazwa zleceniodawcy musi być podana."),
         fields_->EdNazwa1_Nad},
        {[this] { return IsBlank(fields_->EdTytul1); }, QStringLiteral("Tytuł zapłaty musi być podany."), fields_->EdTytul1},
        // A half-typed date must not be stored as "no date".
        {[this] { return EdData->HasInvalidText(); }, QStringLiteral("Nieprawidłowa data."), EdData},
    });
    if (!passed)
        return;
    if (!isNew_ && !rowStore_.StoringAgain() && !StandOnStoredRow(DM->Zwykle, IdColumn, rowId_, [this] { DM->ReopenOrdinaryList(rowId_); }))
        return;

    Dataset &rows = DM->Zwykle;
    qint32 id = rowId_;
    const StoreResult result = rowStore_.Store(
        rows, isNew_,
        [&] {
            if (isNew_) {
                id = DM->NewTransferId();
                rows.setValue(IdColumn, id);
                rows.setValue(QStringLiteral("DATA_WPR"), QDate::currentDate());
            }
            write(rows);
        },
        [&] { DM->ReopenOrdinaryList(id); });
    switch (result) {
    case StoreResult::Stored:
        accept();
        break;
    case StoreResult::KeptTheirs:
        reject();
        break;
    case StoreResult::PostedNotShown:
        // The order exists now: another "&Zapisz" changes it instead of adding it twice.
        isNew_ = false;
        rowId_ = id;
        break;
    case StoreResult::Failed:
        break;
    }
}

void TZwyklyFrm::write(Dataset &rows)
{
    const auto set = [&rows](const char *column, const QVariant &value) { rows.setValue(QLatin1String(column), value); };
    set("NAZWA1_ODB", fields_->EdNazwa1_Odb->text());
    set("NAZWA2_ODB", fields_->EdNazwa2_Odb->text());
    set("KONTO_ODB", fields_->EdKonto_Odb->Digits());
    set("PRZELEW", OperationKind::Code(fields_->EdOperacja->IsTransfer()));
    set("KWOTA", QVariant::fromValue(fields_->EdKwota->Value()));
    set("KONTO_NAD", EdKonto_Nad->StoredAccount());
    set("NAZWA1_NAD", fields_->EdNazwa1_Nad->text());
    set("NAZWA2_NAD", fields_->EdNazwa2_Nad->text());
    set("TYTUL1_ZAPL", fields_->EdTytul1->text());
    set("TYTUL2_ZAPL", fields_->EdTytul2->text());
    const QDate transferDate = EdData->Date();
    set("DATA_PRZEK", DateValue::isSet(transferDate) ? transferDate : DateValue::zeroDate());
}
