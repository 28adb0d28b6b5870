#include "TaxOrderFields.h"

#include "AccountEdit.h"
#include "Choices.h"
#include "ErrorReport.h"
#include "FormParts.h"
#include "IdentifierFill.h"
#include "LengthCounter.h"
#include "MoneyEdit.h"
#include "OperationKind.h"
#include "StoredAmount.h"
#include "TaxMicroAccount.h"
#include "TWybierzAdresatFrm.h"
#include "TWybierzUrzadFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>

namespace {

const QString IdentifierCaption = QStringLiteral("NIP lub identyfikator uzupełniający");

}

TaxOrderFields::TaxOrderFields(QWidget *window, bool otherKindGivesPit)
    : QObject(window), window_(window), otherKindGivesPit_(otherKindGivesPit)
{
    EdNazwa1_Odb = Named(new NameLine(window), "EdNazwa1_Odb");
    EdNazwa2_Odb = Named(new NameLine(window), "EdNazwa2_Odb");
    lbNazwa1_Odb = Named(new LengthCounter(EdNazwa1_Odb, window), "lbNazwa1_Odb");
    lbNazwa2_Odb = Named(new LengthCounter(EdNazwa2_Odb, window), "lbNazwa2_Odb");
    EdKonto_Odb = Named(new AccountEdit(window), "EdKonto_Odb");
    EdRodzajRach = NewAccountKindList(window);
    EdMikrorachunek = Named(new QCheckBox(QStringLiteral("Mikrorachunek podatkowy"), window), "EdMikrorachunek");
    EdOperacja = new OperationKind(window);
    EdKwota = Named(new MoneyEdit(window), "EdKwota");
    amount_ = new StoredAmount(EdKwota);
    EdNazwa1_Nad = Named(new NameLine(window), "EdNazwa1_Nad");
    EdNazwa2_Nad = Named(new NameLine(window), "EdNazwa2_Nad");
    lbNazwa1_Nad = Named(new LengthCounter(EdNazwa1_Nad, window), "lbNazwa1_Nad");
    lbNazwa2_Nad = Named(new LengthCounter(EdNazwa2_Nad, window), "lbNazwa2_Nad");
    EdNIP = Named(new QLineEdit(window), "EdNIP");
    EdNIP->setMaxLength(14);
    EdTyp = NewIdentifierTypeList(window);
    EdOkres = new PeriodLine(window);
    EdSymbol = NewFormSymbolList(window);
    EdIdentyfZobow = NewObligationLine(window);

    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb}) {
        line->AddChooserButton();
        ConnectGuarded(line, &NameLine::chooserClicked, this, &TaxOrderFields::UrzadButtonClick);
    }
    for (NameLine *line : {EdNazwa1_Nad, EdNazwa2_Nad}) {
        line->AddChooserButton();
        ConnectGuarded(line, &NameLine::chooserClicked, this, &TaxOrderFields::NadawcaButtonClick);
    }
    // The user's choice only: filling the lists when a window opens must not touch the fields.
    ConnectGuarded(EdRodzajRach, &QComboBox::activated, this, &TaxOrderFields::EdRodzajRachChange);
    ConnectGuarded(EdTyp, &QComboBox::activated, this, &TaxOrderFields::EdTypChange);
    ConnectGuarded(EdMikrorachunek, &QCheckBox::clicked, this, &TaxOrderFields::EdMikrorachunekClick);
    ConnectGuarded(EdNIP, &QLineEdit::textEdited, this, &TaxOrderFields::EdNIPEdited);
}

void TaxOrderFields::OnPayerAccount(std::function<void(const QString &account)> takeAccount)
{
    takePayerAccount_ = std::move(takeAccount);
}

void TaxOrderFields::AddRecipientRows(QGridLayout *grid, int &row) const
{
    grid->addWidget(Caption(QStringLiteral("Nazwa organu podatkowego"), EdNazwa1_Odb, window_), row++, 0);
    grid->addWidget(EdNazwa1_Odb, row, 0);
    grid->addWidget(lbNazwa1_Odb, row++, 1);
    grid->addWidget(EdNazwa2_Odb, row, 0);
    grid->addWidget(lbNazwa2_Odb, row++, 1);
}

void TaxOrderFields::AddPayerRows(QGridLayout *grid, int &row) const
{
    grid->addWidget(Caption(QStringLiteral("Nazwa i adres zobowiązanego"), EdNazwa1_Nad, window_), row++, 0);
    grid->addWidget(EdNazwa1_Nad, row, 0);
    grid->addWidget(lbNazwa1_Nad, row++, 1);
    grid->addWidget(EdNazwa2_Nad, row, 0);
    grid->addWidget(lbNazwa2_Nad, row++, 1);
}

QBoxLayout *TaxOrderFields::AccountRow() const
{
    auto *accountRow = new QHBoxLayout;
    accountRow->addWidget(EdKonto_Odb, 1);
    accountRow->addWidget(Caption(QStringLiteral("Rodzaj rachunku"), EdRodzajRach, window_));
    accountRow->addWidget(EdRodzajRach);
    accountRow->addWidget(EdMikrorachunek);
    return accountRow;
}

QBoxLayout *TaxOrderFields::AmountRow() const
{
    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(EdOperacja);
    amountRow->addStretch();
    amountRow->addWidget(Caption(QStringLiteral("&Kwota"), EdKwota, window_));
    amountRow->addWidget(EdKwota);
    return amountRow;
}

QGridLayout *TaxOrderFields::IdentifierGrid() const
{
    auto *identifier = new QGridLayout;
    identifier->addWidget(Caption(IdentifierCaption, EdNIP, window_), 0, 0);
    identifier->addWidget(EdNIP, 1, 0);
    identifier->addWidget(Caption(QStringLiteral("Typ &identyfikatora"), EdTyp, window_), 0, 1);
    identifier->addWidget(EdTyp, 1, 1);
    identifier->addWidget(Caption(QStringLiteral("Okres"), EdOkres, window_), 0, 2);
    identifier->addWidget(EdOkres, 1, 2);
    identifier->addWidget(Caption(QStringLiteral("&Symbol formularza lub płatności"), EdSymbol, window_), 2, 0);
    identifier->addWidget(EdSymbol, 3, 0);
    identifier->addWidget(Caption(QStringLiteral("Identyfikacja zobowiązania"), EdIdentyfZobow, window_), 2, 1, 1, 2);
    identifier->addWidget(EdIdentyfZobow, 3, 1, 1, 2);
    return identifier;
}

void TaxOrderFields::Clear(const QString &accountKind)
{
    UrzadId = 0;
    NadawcaId = 0;
    for (QLineEdit *field : std::initializer_list<QLineEdit *>{EdNazwa1_Odb, EdNazwa2_Odb, EdNazwa1_Nad, EdNazwa2_Nad,
                                                               EdNIP, EdOkres, EdIdentyfZobow})
        field->clear();
    EdKonto_Odb->SetDigits(QString());
    EdSymbol->setEditText(QString());
    SelectCode(EdRodzajRach, accountKind);
    defaultMicroAccountCheck();
    EdKonto_Odb->SetBlankHint(QString());
    SelectCode(EdTyp, NipType);
    EdOperacja->SetTransfer(true);
    amount_->Fill(QVariant::fromValue(Money()));
}

void TaxOrderFields::Fill(const Dataset &row)
{
    auto text = [&row](const char *column) { return row.value(QLatin1String(column)).toString(); };
    UrzadId = row.value(QStringLiteral("ODBIORCAID")).toInt();
    NadawcaId = row.value(QStringLiteral("NADAWCAID")).toInt();
    EdNazwa1_Odb->setText(text("NAZWA1_ODB"));
    EdNazwa2_Odb->setText(text("NAZWA2_ODB"));
    EdKonto_Odb->SetDigits(text("KONTO_ODB"));
    amount_->Fill(row.value(QStringLiteral("KWOTA")));
    EdNazwa1_Nad->setText(text("NAZWA1_NAD"));
    EdNazwa2_Nad->setText(text("NAZWA2_NAD"));
    FillIdentifier(EdNIP, text("IDENTYF"), IdentifierCaption);
    EdOkres->setText(text("OKRES"));
    EdSymbol->setEditText(text("SYMBOLFORM"));
    EdIdentyfZobow->setText(text("IDENTYFZOB"));
    SelectCode(EdRodzajRach, text("RODZAJ_RACH"));
    SelectCode(EdTyp, text("TYPIDENTYF"));
    // The check shows what the stored account is; opening a row never changes its account.
    const QString micro = microAccount();
    EdMikrorachunek->setEnabled(microAccountKind());
    EdMikrorachunek->setChecked(microAccountKind() && !micro.isEmpty() && EdKonto_Odb->Digits() == micro);
    EdKonto_Odb->SetBlankHint(QString());
    EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
}

void TaxOrderFields::Write(Dataset &row) const
{
    auto set = [&row](const char *column, const QVariant &value) { row.setValue(QLatin1String(column), value); };
    set("ODBIORCAID", UrzadId);
    set("NAZWA1_ODB", EdNazwa1_Odb->text());
    set("NAZWA2_ODB", EdNazwa2_Odb->text());
    set("KONTO_ODB", EdKonto_Odb->Digits());
    if (const QString kind = SelectedCode(EdRodzajRach); !kind.isEmpty())
        set("RODZAJ_RACH", kind);
    set("PRZELEW", OperationKind::Code(EdOperacja->IsTransfer()));
    amount_->Write(row, QStringLiteral("KWOTA"));
    set("NAZWA1_NAD", EdNazwa1_Nad->text());
    set("NAZWA2_NAD", EdNazwa2_Nad->text());
    set("IDENTYF", EdNIP->text());
    set("TYPIDENTYF", SelectedCode(EdTyp));
    set("OKRES", EdOkres->text());
    set("SYMBOLFORM", EdSymbol->currentText());
    set("IDENTYFZOB", EdIdentyfZobow->text());
}

void TaxOrderFields::UrzadButtonClick()
{
    const auto chosen = ChooseAgain<TWybierzUrzadFrm>(window_, UrzadId, &TaxAuthorityChoice::URZADID);
    if (!chosen)
        return;
    EdNazwa1_Odb->setText(chosen->NAZWA1);
    EdNazwa2_Odb->setText(chosen->NAZWA2);
    accounts = AuthorityAccounts::Of(*chosen);
    applyAccount();
    EdKonto_Odb->Check();
}

void TaxOrderFields::EdRodzajRachChange()
{
    defaultMicroAccountCheck();
    applyAccount();
    EdKonto_Odb->Check();
}

void TaxOrderFields::EdMikrorachunekClick()
{
    applyAccount();
    EdKonto_Odb->Check();
}

void TaxOrderFields::EdNIPEdited()
{
    followIdentifier();
}

bool TaxOrderFields::microAccountKind() const
{
    const QString kind = SelectedCode(EdRodzajRach);
    return kind == QLatin1String("P") || kind == QLatin1String("C") || kind == QLatin1String("V");
}

void TaxOrderFields::defaultMicroAccountCheck()
{
    EdMikrorachunek->setEnabled(microAccountKind());
    EdMikrorachunek->setChecked(microAccountKind());
}

const QString TaxOrderFields::MicroAccountMissingMessage =
    QStringLiteral("Identyfikator nie jest prawidłowym numerem NIP ani PESEL, więc nie wyznacza mikrorachunku "
                   "podatkowego. Popraw identyfikator albo odznacz „Mikrorachunek podatkowy”, aby zapłacić na "
                   "rachunek urzędu.");

QString TaxOrderFields::microAccount() const
{
    const QString type = SelectedCode(EdTyp);
    return type.size() == 1 ? TaxMicroAccount(type.at(0), EdNIP->text()) : QString();
}

bool TaxOrderFields::MicroAccountMissing() const
{
    return microAccountKind() && EdMikrorachunek->isChecked() && microAccount().isEmpty();
}

void TaxOrderFields::applyAccount()
{
    // Paying the office's own account instead would look right and reach the wrong
    // ledger: without a micro-account the account stays empty until the user decides.
    const bool microAsked = microAccountKind() && EdMikrorachunek->isChecked();
    EdKonto_Odb->SetBlankHint(MicroAccountMissing() ? MicroAccountMissingMessage : QString());
    if (microAsked) {
        EdKonto_Odb->SetDigits(microAccount());
        return;
    }
    if (const auto account = accounts.ForKind(SelectedCode(EdRodzajRach), otherKindGivesPit_))
        EdKonto_Odb->SetDigits(*account);
}

void TaxOrderFields::followIdentifier()
{
    if (!microAccountKind() || !EdMikrorachunek->isChecked())
        return;
    applyAccount();
    EdKonto_Odb->Check();
}

void TaxOrderFields::NadawcaButtonClick()
{
    const auto chosen = ChooseAgain<TWybierzAdresatFrm>(window_, NadawcaId, &ContractorChoice::ADRESATID);
    if (!chosen)
        return;
    EdNazwa1_Nad->setText(chosen->NAZWA1_NAD);
    EdNazwa2_Nad->setText(chosen->NAZWA2_NAD);
    payer_ = PayerNumbers::Of(*chosen);
    if (takePayerAccount_)
        takePayerAccount_(chosen->KONTO);
    if (EdNIP->text().isEmpty())
        EdTypChange();
}

void TaxOrderFields::EdTypChange()
{
    if (const auto number = payer_.ForType(SelectedCode(EdTyp)))
        FillIdentifier(EdNIP, *number, IdentifierCaption);
    followIdentifier();
}
