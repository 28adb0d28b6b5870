#include "TSzablonPodatFrm.h"

#include "AccountEdit.h"
#include "Choices.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "OperationKind.h"
#include "RowStore.h"
#include "SaveChecks.h"
#include "TWybierzAdresatFrm.h"
#include "TWybierzUrzadFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

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
    EdNazwa1_Odb = Named(new NameLine(this), "EdNazwa1_Odb");
    EdNazwa2_Odb = Named(new NameLine(this), "EdNazwa2_Odb");
    lbNazwa1_Odb = Named(new LengthCounter(EdNazwa1_Odb, this), "lbNazwa1_Odb");
    lbNazwa2_Odb = Named(new LengthCounter(EdNazwa2_Odb, this), "lbNazwa2_Odb");
    EdOperacja = new OperationKind(this);
    EdKwota = Named(new MoneyEdit(this), "EdKwota");
    EdKonto_Odb = Named(new AccountEdit(this), "EdKonto_Odb");
    EdRodzajRach = NewAccountKindList(this);
    EdNazwa1_Nad = Named(new NameLine(this), "EdNazwa1_Nad");
    EdNazwa2_Nad = Named(new NameLine(this), "EdNazwa2_Nad");
    lbNazwa1_Nad = Named(new LengthCounter(EdNazwa1_Nad, this), "lbNazwa1_Nad");
    lbNazwa2_Nad = Named(new LengthCounter(EdNazwa2_Nad, this), "lbNazwa2_Nad");
    EdNIP = Named(new QLineEdit(this), "EdNIP");
    EdNIP->setMaxLength(14);
    EdTyp = NewIdentifierTypeList(this);
    EdOkres = new PeriodLine(this);
    EdSymbol = NewFormSymbolList(this);
    EdIdentyfZobow = NewObligationLine(this);
    EdKonto_Nad = Named(new AccountEdit(this), "EdKonto_Nad");
    PostBtn = Named(new QPushButton(QStringLiteral("&Zapisz"), this), "PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    CancelBtn->setAutoDefault(false);

    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb, EdNazwa1_Nad, EdNazwa2_Nad})
        line->AddChooserButton();

    buildLayout();

    QWidget *deposit = EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata"));
    QWidget *transfer = EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew"));
    const QList<QWidget *> order{EdNazwa, EdNazwa1_Odb, EdNazwa2_Odb, deposit, transfer, EdKwota, EdKonto_Odb,
                                 EdRodzajRach, EdNazwa1_Nad, EdNazwa2_Nad, EdNIP, EdTyp, EdOkres, EdSymbol,
                                 EdIdentyfZobow, EdKonto_Nad, PostBtn, CancelBtn};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto guarded = [this](void (TSzablonPodatFrm::*handler)()) {
        return [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(PostBtn, &QPushButton::clicked, this, guarded(&TSzablonPodatFrm::PostBtnClick));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb})
        connect(line, &NameLine::chooserClicked, this, guarded(&TSzablonPodatFrm::UrzadBtnClick));
    for (NameLine *line : {EdNazwa1_Nad, EdNazwa2_Nad})
        connect(line, &NameLine::chooserClicked, this, guarded(&TSzablonPodatFrm::NadawcaBtnClick));
    // The user's choice only: filling the lists when the window opens must not touch the fields.
    connect(EdRodzajRach, &QComboBox::activated, this, guarded(&TSzablonPodatFrm::EdRodzajRachChange));
    connect(EdTyp, &QComboBox::activated, this, guarded(&TSzablonPodatFrm::EdTypChange));
}

void TSzablonPodatFrm::buildLayout()
{
    for (QLineEdit *name : {EdNazwa, static_cast<QLineEdit *>(EdNazwa1_Odb), static_cast<QLineEdit *>(EdNazwa2_Odb),
                            static_cast<QLineEdit *>(EdNazwa1_Nad), static_cast<QLineEdit *>(EdNazwa2_Nad)})
        name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 44);

    auto *fields = new QGridLayout;
    int row = 0;
    auto line = [&](QWidget *field, QWidget *beside = nullptr) {
        fields->addWidget(field, row, 0);
        if (beside)
            fields->addWidget(beside, row, 1);
        ++row;
    };
    auto label = [&](const QString &text, QWidget *buddy) { line(Caption(text, buddy, this)); };

    label(QStringLiteral("&Nazwa szablonu (identyfikator)"), EdNazwa);
    line(EdNazwa);
    label(QStringLiteral("Nazwa organu podatkowego"), EdNazwa1_Odb);
    line(EdNazwa1_Odb, lbNazwa1_Odb);
    line(EdNazwa2_Odb, lbNazwa2_Odb);

    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(EdOperacja);
    amountRow->addStretch();
    amountRow->addWidget(Caption(QStringLiteral("&Kwota"), EdKwota, this));
    amountRow->addWidget(EdKwota);
    fields->addLayout(amountRow, row++, 0);

    label(QStringLiteral("Numer rachunku bankowego organu podatkowego"), EdKonto_Odb);
    auto *accountRow = new QHBoxLayout;
    accountRow->addWidget(EdKonto_Odb, 1);
    accountRow->addWidget(Caption(QStringLiteral("Rodzaj rachunku"), EdRodzajRach, this));
    accountRow->addWidget(EdRodzajRach);
    fields->addLayout(accountRow, row++, 0);

    label(QStringLiteral("Nazwa i adres zobowiązanego"), EdNazwa1_Nad);
    line(EdNazwa1_Nad, lbNazwa1_Nad);
    line(EdNazwa2_Nad, lbNazwa2_Nad);

    auto *identifier = new QGridLayout;
    identifier->addWidget(Caption(QStringLiteral("NIP lub identyfikator uzupełniający"), EdNIP, this), 0, 0);
    identifier->addWidget(EdNIP, 1, 0);
    identifier->addWidget(Caption(QStringLiteral("Typ &identyfikatora"), EdTyp, this), 0, 1);
    identifier->addWidget(EdTyp, 1, 1);
    identifier->addWidget(Caption(QStringLiteral("Okres"), EdOkres, this), 0, 2);
    identifier->addWidget(EdOkres, 1, 2);
    identifier->addWidget(Caption(QStringLiteral("&Symbol formularza lub płatności"), EdSymbol, this), 2, 0);
    identifier->addWidget(EdSymbol, 3, 0);
    identifier->addWidget(Caption(QStringLiteral("Identyfikacja zobowiązania"), EdIdentyfZobow, this), 2, 1, 1, 2);
    identifier->addWidget(EdIdentyfZobow, 3, 1, 1, 2);
    fields->addLayout(identifier, row++, 0, 1, 2);

    label(QStringLiteral("Numer rachunku zobowiązanego"), EdKonto_Nad);
    line(EdKonto_Nad);

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
    for (QLineEdit *field : {EdNazwa, static_cast<QLineEdit *>(EdNazwa1_Odb), static_cast<QLineEdit *>(EdNazwa2_Odb),
                             static_cast<QLineEdit *>(EdNazwa1_Nad), static_cast<QLineEdit *>(EdNazwa2_Nad), EdNIP,
                             static_cast<QLineEdit *>(EdOkres), EdIdentyfZobow})
        field->clear();
    EdKonto_Odb->SetDigits(QString());
    EdKonto_Nad->SetDigits(QString());
    EdSymbol->setEditText(QString());
    SelectCode(EdRodzajRach, OtherAccountKind);
    SelectCode(EdTyp, NipType);
    EdOperacja->SetTransfer(true);
    EdKwota->SetValue(Money());
    return run();
}

bool TSzablonPodatFrm::ShowCurrent()
{
    const Dataset &row = DM->szPodatkowe;
    if (row.currentRow() < 0)
        return false;
    auto text = [&row](const char *column) { return row.value(QLatin1String(column)).toString(); };

    IsNew = false;
    templateId_ = row.value(Id).toInt();
    KontrahId = row.value(QStringLiteral("KONTRAHID")).toInt();
    UrzadId = row.value(QStringLiteral("ODBIORCAID")).toInt();
    NadawcaId = row.value(QStringLiteral("NADAWCAID")).toInt();
    KontoNad = text("KONTO_NAD");

    EdNazwa->setText(text("NAZWA"));
    EdNazwa1_Odb->setText(text("NAZWA1_ODB"));
    EdNazwa2_Odb->setText(text("NAZWA2_ODB"));
    EdKonto_Odb->SetDigits(text("KONTO_ODB"));
    const QVariant amount = row.value(QStringLiteral("KWOTA"));
    EdKwota->SetValue(amount.metaType() == QMetaType::fromType<Money>() ? amount.value<Money>() : Money());
    EdNazwa1_Nad->setText(text("NAZWA1_NAD"));
    EdNazwa2_Nad->setText(text("NAZWA2_NAD"));
    EdNIP->setText(text("IDENTYF"));
    EdOkres->setText(text("OKRES"));
    EdSymbol->setEditText(text("SYMBOLFORM"));
    EdIdentyfZobow->setText(text("IDENTYFZOB"));
    SelectCode(EdRodzajRach, text("RODZAJ_RACH"));
    SelectCode(EdTyp, text("TYPIDENTYF"));
    EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
    // The field carries the account mask, so a deposit shows the stored account too,
    // not the amount in words.
    EdKonto_Nad->SetDigits(KontoNad);
    EdKonto_Odb->Check();
    EdKonto_Nad->Check();
    return run();
}

void TSzablonPodatFrm::UrzadBtnClick()
{
    TWybierzUrzadFrm chooser(this);
    if (!chooser.ShowAt(UrzadId))
        return;
    const TaxAuthorityChoice &chosen = chooser.Choice();
    UrzadId = chosen.URZADID;
    EdNazwa1_Odb->setText(chosen.NAZWA1);
    EdNazwa2_Odb->setText(chosen.NAZWA2);
    accounts_ = AuthorityAccounts::Of(chosen);
    EdRodzajRachChange();
}

void TSzablonPodatFrm::EdRodzajRachChange()
{
    if (const auto account = accounts_.ForKind(SelectedCode(EdRodzajRach), true))
        EdKonto_Odb->SetDigits(*account);
    EdKonto_Odb->Check();
}

void TSzablonPodatFrm::NadawcaBtnClick()
{
    TWybierzAdresatFrm chooser(this);
    if (!chooser.ShowAt(NadawcaId))
        return;
    const ContractorChoice &chosen = chooser.Choice();
    NadawcaId = chosen.ADRESATID;
    EdNazwa1_Nad->setText(chosen.NAZWA1_NAD);
    EdNazwa2_Nad->setText(chosen.NAZWA2_NAD);
    KontoNad = chosen.KONTO;
    payer_ = PayerNumbers::Of(chosen);
    if (EdOperacja->IsTransfer()) {
        EdKonto_Nad->SetDigits(KontoNad);
        EdKonto_Nad->Check();
    }
    if (EdNIP->text().isEmpty())
        if (const auto number = payer_.ForType(SelectedCode(EdTyp)))
            EdNIP->setText(*number);
}

void TSzablonPodatFrm::EdTypChange()
{
    if (const auto number = payer_.ForType(SelectedCode(EdTyp)))
        EdNIP->setText(*number);
}

void TSzablonPodatFrm::PostBtnClick()
{
    const bool checksPassed = RunSaveChecks({
        {[this] { return EdNazwa->text().trimmed().isEmpty(); }, QStringLiteral("Nazwa szablonu musi być podana."),
         EdNazwa},
        {[this] { return invalidAccount(EdKonto_Odb); },
         QStringLiteral("Numer rachunku organu podatkowego jest nieprawidłowy."), nullptr},
        {[this] { return invalidAccount(EdKonto_Nad); },
         QStringLiteral("Numer rachunku zobowiązanego jest nieprawidłowy."), nullptr},
    });
    if (!checksPassed)
        return;

    Dataset &templates = DM->szPodatkowe;
    // The template this window opened, wherever the query stands now.
    if (!IsNew && templates.value(Id).toInt() != templateId_ && !templates.locate(Id, templateId_))
        throw std::runtime_error("Szablonu nie ma już w wykazie.");

    switch (StoreRow(templates, IsNew, [this] { write(); }, [] {})) {
    case StoreResult::Stored:
        accept();
        break;
    case StoreResult::PostedNotShown:
    case StoreResult::Failed:
        EdNazwa->setFocus();
        break;
    }
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
    const bool transfer = EdOperacja->IsTransfer();
    set("NAZWA", EdNazwa->text());
    set("ODBIORCAID", UrzadId);
    set("NAZWA1_ODB", EdNazwa1_Odb->text());
    set("NAZWA2_ODB", EdNazwa2_Odb->text());
    set("KONTO_ODB", EdKonto_Odb->Digits());
    if (const QString kind = SelectedCode(EdRodzajRach); !kind.isEmpty())
        set("RODZAJ_RACH", kind);
    set("PRZELEW", OperationKind::Code(transfer));
    set("KWOTA", QVariant::fromValue(EdKwota->Value()));
    set("KONTO_NAD", transfer ? EdKonto_Nad->Digits() : DigitsOnly(KontoNad));
    set("NADAWCAID", NadawcaId);
    set("NAZWA1_NAD", EdNazwa1_Nad->text());
    set("NAZWA2_NAD", EdNazwa2_Nad->text());
    set("IDENTYF", EdNIP->text());
    set("TYPIDENTYF", SelectedCode(EdTyp));
    set("OKRES", EdOkres->text());
    set("SYMBOLFORM", EdSymbol->currentText());
    set("IDENTYFZOB", EdIdentyfZobow->text());
}
