#include "TPodatkowyFrm.h"

#include "AccountEdit.h"
#include "Choices.h"
#include "DateValue.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "FOdsetkiTbl.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "NullableDateEdit.h"
#include "OperationKind.h"
#include "RowStore.h"
#include "SaveChecks.h"
#include "SenderAccountLine.h"
#include "TWybierzAdresatFrm.h"
#include "TWybierzUrzadFrm.h"
#include "TaxPeriod.h"
#include "Typy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

bool isBlank(const QLineEdit *line)
{
    return line->text().trimmed().isEmpty();
}

const QString Id = QStringLiteral("PRZELEWID");

}

TPodatkowyFrm::TPodatkowyFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPodatkowyFrm"));
    setWindowTitle(QStringLiteral("Podatkowy"));

    EdNazwa1_Odb = Named(new NameLine(this), "EdNazwa1_Odb");
    EdNazwa2_Odb = Named(new NameLine(this), "EdNazwa2_Odb");
    lbNazwa1_Odb = Named(new LengthCounter(EdNazwa1_Odb, this), "lbNazwa1_Odb");
    lbNazwa2_Odb = Named(new LengthCounter(EdNazwa2_Odb, this), "lbNazwa2_Odb");
    EdKonto_Odb = Named(new AccountEdit(this), "EdKonto_Odb");
    EdRodzajRach = NewAccountKindList(this);
    EdOperacja = new OperationKind(this);
    EdKwota = Named(new MoneyEdit(this), "EdKwota");
    CalcBtn = Named(new QToolButton(this), "CalcBtn");
    CalcBtn->setText(QStringLiteral("%"));
    CalcBtn->setToolTip(QStringLiteral("Kalkulator odsetek"));
    // Pressing it must not leave the amount: that would refill the line under it.
    CalcBtn->setFocusPolicy(Qt::NoFocus);
    EdKonto_Nad = new SenderAccountLine(EdOperacja, EdKwota, this);
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
    EdData = Named(new NullableDateEdit(this), "EdData");
    PostBtn = Named(new QPushButton(QStringLiteral("&Zapisz"), this), "PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    CancelBtn->setAutoDefault(false);

    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb, EdNazwa1_Nad, EdNazwa2_Nad})
        line->AddChooserButton();

    buildLayout();
    setFocusOrder();

    auto guarded = [this](void (TPodatkowyFrm::*handler)()) {
        return [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(PostBtn, &QPushButton::clicked, this, guarded(&TPodatkowyFrm::PostBtnClick));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb})
        connect(line, &NameLine::chooserClicked, this, guarded(&TPodatkowyFrm::UrzadButtonClick));
    for (NameLine *line : {EdNazwa1_Nad, EdNazwa2_Nad})
        connect(line, &NameLine::chooserClicked, this, guarded(&TPodatkowyFrm::NadawcaButtonClick));
    // The user's choice only: filling the lists when the window opens must not touch the fields.
    connect(EdRodzajRach, &QComboBox::activated, this, guarded(&TPodatkowyFrm::EdRodzajRachChange));
    connect(EdTyp, &QComboBox::activated, this, guarded(&TPodatkowyFrm::EdTypChange));
    connect(CalcBtn, &QToolButton::clicked, this, guarded(&TPodatkowyFrm::CalcBtnClick));
}

void TPodatkowyFrm::buildLayout()
{
    auto *fields = new QGridLayout;
    int row = 0;
    auto line = [&](QWidget *field, QWidget *beside = nullptr) {
        fields->addWidget(field, row, 0);
        if (beside)
            fields->addWidget(beside, row, 1);
        ++row;
    };
    auto label = [&](const QString &text, QWidget *buddy) { line(Caption(text, buddy, this)); };

    for (QLineEdit *name : {EdNazwa1_Odb, EdNazwa2_Odb, EdNazwa1_Nad, EdNazwa2_Nad})
        name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 44);

    label(QStringLiteral("Nazwa organu podatkowego"), EdNazwa1_Odb);
    line(EdNazwa1_Odb, lbNazwa1_Odb);
    line(EdNazwa2_Odb, lbNazwa2_Odb);

    label(QStringLiteral("Numer rachunku bankowego organu podatkowego"), EdKonto_Odb);
    auto *accountRow = new QHBoxLayout;
    accountRow->addWidget(EdKonto_Odb, 1);
    accountRow->addWidget(Caption(QStringLiteral("Rodzaj rachunku"), EdRodzajRach, this));
    accountRow->addWidget(EdRodzajRach);
    fields->addLayout(accountRow, row++, 0);

    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(EdOperacja);
    amountRow->addStretch();
    amountRow->addWidget(Caption(QStringLiteral("&Kwota"), EdKwota, this));
    amountRow->addWidget(EdKwota);
    amountRow->addWidget(CalcBtn);
    fields->addLayout(amountRow, row++, 0);

    label(QStringLiteral("Numer rachunku bankowego zobowiązanego (przelew) / kwota słownie (wpłata)"), EdKonto_Nad);
    line(EdKonto_Nad);

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
    QWidget *deposit = EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata"));
    QWidget *transfer = EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew"));
    const QList<QWidget *> order{EdNazwa1_Odb, EdNazwa2_Odb, EdKonto_Odb, EdRodzajRach, deposit, transfer,
                                 EdKwota, EdKonto_Nad, EdNazwa1_Nad, EdNazwa2_Nad, EdNIP, EdTyp, EdOkres,
                                 EdSymbol, EdIdentyfZobow, EdData, PostBtn, CancelBtn};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool TPodatkowyFrm::run()
{
    adjustSize();
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    EdNazwa1_Odb->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

bool TPodatkowyFrm::ShowNew()
{
    IsNew = true;
    transferId_ = 0;
    UrzadId = 0;
    NadawcaId = 0;
    for (QLineEdit *field : {static_cast<QLineEdit *>(EdNazwa1_Odb), static_cast<QLineEdit *>(EdNazwa2_Odb),
                             static_cast<QLineEdit *>(EdNazwa1_Nad), static_cast<QLineEdit *>(EdNazwa2_Nad),
                             EdNIP, EdIdentyfZobow})
        field->clear();
    EdKonto_Odb->SetDigits(QString());
    EdSymbol->setEditText(QString());
    EdData->SetDate(QDate());
    SelectCode(EdRodzajRach, QStringLiteral("P"));
    SelectCode(EdTyp, NipType);
    EdOperacja->SetTransfer(true);
    EdKwota->SetValue(Money());
    EdKonto_Nad->SetRemembered(QString());
    EdKonto_Nad->clear();
    EdOkres->setText(PreviousMonthPeriod(QDate::currentDate()));
    return run();
}

bool TPodatkowyFrm::ShowCurrent()
{
    const Dataset &row = DM->Podatkowe;
    if (row.currentRow() < 0)
        return false;
    auto text = [&row](const char *column) { return row.value(QLatin1String(column)).toString(); };

    IsNew = false;
    transferId_ = row.value(Id).toInt();
    UrzadId = row.value(QStringLiteral("ODBIORCAID")).toInt();
    NadawcaId = row.value(QStringLiteral("NADAWCAID")).toInt();

    EdNazwa1_Odb->setText(text("NAZWA1_ODB"));
    EdNazwa2_Odb->setText(text("NAZWA2_ODB"));
    EdKonto_Odb->SetDigits(text("KONTO_ODB"));
    const QVariant amount = row.value(QStringLiteral("KWOTA"));
    // A stored amount is never outside the field's range: the field put it there.
    EdKwota->SetValue(amount.metaType() == QMetaType::fromType<Money>() ? amount.value<Money>() : Money());
    EdNazwa1_Nad->setText(text("NAZWA1_NAD"));
    EdNazwa2_Nad->setText(text("NAZWA2_NAD"));
    EdNIP->setText(text("IDENTYF"));
    EdOkres->setText(text("OKRES"));
    EdSymbol->setEditText(text("SYMBOLFORM"));
    EdIdentyfZobow->setText(text("IDENTYFZOB"));
    const QVariant date = row.value(QStringLiteral("DATA_PRZEK"));
    EdData->SetDate(date.metaType().id() == QMetaType::QDateTime ? date.toDateTime().date() : date.toDate());

    SelectCode(EdRodzajRach, text("RODZAJ_RACH"));
    SelectCode(EdTyp, text("TYPIDENTYF"));
    EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
    EdKonto_Nad->SetRemembered(text("KONTO_NAD"));
    EdKonto_Nad->Refill();

    TUrzad authority;
    authority.Load(UrzadId);
    accounts_ = AuthorityAccounts::Of(authority);

    EdKonto_Odb->Check();
    return run();
}

void TPodatkowyFrm::putAccountOfKind()
{
    if (const auto account = accounts_.ForKind(SelectedCode(EdRodzajRach), false))
        EdKonto_Odb->SetDigits(*account);
    EdKonto_Odb->Check();
}

void TPodatkowyFrm::UrzadButtonClick()
{
    TWybierzUrzadFrm chooser(this);
    if (!chooser.ShowAt(UrzadId))
        return;
    const TaxAuthorityChoice &chosen = chooser.Choice();
    UrzadId = chosen.URZADID;
    EdNazwa1_Odb->setText(chosen.NAZWA1);
    EdNazwa2_Odb->setText(chosen.NAZWA2);
    accounts_ = AuthorityAccounts::Of(chosen);
    putAccountOfKind();
}

void TPodatkowyFrm::EdRodzajRachChange()
{
    putAccountOfKind();
}

void TPodatkowyFrm::NadawcaButtonClick()
{
    TWybierzAdresatFrm chooser(this);
    if (!chooser.ShowAt(NadawcaId))
        return;
    const ContractorChoice &chosen = chooser.Choice();
    NadawcaId = chosen.ADRESATID;
    EdNazwa1_Nad->setText(chosen.NAZWA1_NAD);
    EdNazwa2_Nad->setText(chosen.NAZWA2_NAD);
    payer_ = PayerNumbers::Of(chosen);
    EdKonto_Nad->SetRemembered(chosen.KONTO);
    EdKonto_Nad->ShowRemembered();
    if (EdNIP->text().isEmpty())
        if (const auto number = payer_.ForType(SelectedCode(EdTyp)))
            EdNIP->setText(*number);
}

void TPodatkowyFrm::EdTypChange()
{
    if (const auto number = payer_.ForType(SelectedCode(EdTyp)))
        EdNIP->setText(*number);
}

void TPodatkowyFrm::CalcBtnClick()
{
    TOdsetkiTbl calculator(this);
    if (!calculator.ShowForTransfer())
        return;
    const Money total = calculator.ChosenTotal();
    if (!EdKwota->SetValue(total)) {
        DM->ShowWarning(QStringLiteral("Wyliczona kwota %1 przekracza największą kwotę przelewu (%2).\n"
                                       "Kwota przelewu nie została zmieniona.")
                            .arg(MoneyEdit::Grouped(total), MoneyEdit::Grouped(MoneyEdit::Maximum())));
        return;
    }
    // A deposit's line shows the amount in words: it must follow the new amount at once.
    if (!EdOperacja->IsTransfer())
        EdKonto_Nad->Refill();
}

void TPodatkowyFrm::PostBtnClick()
{
    const bool transfer = EdOperacja->IsTransfer();
    const bool checksPassed = RunSaveChecks({
        {[this] { return isBlank(EdNazwa1_Odb); },
         QStringLiteral("Nazwa organu podatkowego musi być podana."), EdNazwa1_Odb},
        {[this] { return EdKonto_Odb->Digits().isEmpty(); },
         QStringLiteral("Numer rachunku bankowego organu podatkowego musi być podany."), EdKonto_Odb},
        {[this] { return !EdKonto_Odb->Digits().isEmpty() && !IsValidAccount(EdKonto_Odb->text()); },
         QStringLiteral("Numer rachunku bankowego organu podatkowego jest nieprawidłowy."), nullptr},
        {[this] { return EdKwota->Value() == Money(); }, QStringLiteral("Kwota musi być podana."), EdKwota},
        {[this] { return EdKonto_Nad->LacksAccount(); },
         QStringLiteral("Numer rachunku bankowego zobowiązanego musi być podany."), EdKonto_Nad},
        {[this, transfer] { return transfer && !EdKonto_Nad->LacksAccount() && !IsValidAccount(EdKonto_Nad->text()); },
         QStringLiteral("Numer rachunku bankowego zobowiązanego jest nieprawidłowy."), nullptr},
        {[this] { return isBlank(EdNazwa1_Nad); }, QStringLiteral("Nazwa zobowiązanego musi być podana."), EdNazwa1_Nad},
        {[this] { return !IsTaxPeriodValid(EdOkres->text()); }, QStringLiteral("Podany okres jest nieprawidłowy."),
         EdOkres},
        // Something typed that is no date must not be stored as "no date".
        {[this] { return EdData->HasInvalidText(); }, QStringLiteral("Nieprawidłowa data."), EdData},
    });
    if (!checksPassed)
        return;

    Dataset &list = DM->Podatkowe;
    // Only the row this window opened (or has already added) is ever changed.
    if (!IsNew && list.value(Id).toInt() != transferId_) {
        if (!list.isOpen())
            DM->ReopenTaxList(transferId_);
        else
            list.locate(Id, transferId_);
        if (list.value(Id).toInt() != transferId_)
            throw std::runtime_error("Przelew nie jest już w wykazie.");
    }

    switch (StoreRow(list, IsNew, [this] { write(); }, [this] { DM->ReopenTaxList(transferId_); })) {
    case StoreResult::Stored:
        accept();
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
    auto set = [&row](const char *column, const QVariant &value) { row.setValue(QLatin1String(column), value); };
    if (IsNew) {
        transferId_ = DM->NewTransferId();
        set("PRZELEWID", transferId_);
        set("DATA_WPR", QDate::currentDate());
    }
    set("ODBIORCAID", UrzadId);
    set("NAZWA1_ODB", EdNazwa1_Odb->text());
    set("NAZWA2_ODB", EdNazwa2_Odb->text());
    set("KONTO_ODB", EdKonto_Odb->Digits());
    if (const QString kind = SelectedCode(EdRodzajRach); !kind.isEmpty())
        set("RODZAJ_RACH", kind);
    set("PRZELEW", OperationKind::Code(EdOperacja->IsTransfer()));
    set("KWOTA", QVariant::fromValue(EdKwota->Value()));
    set("KONTO_NAD", EdKonto_Nad->StoredAccount());
    set("NAZWA1_NAD", EdNazwa1_Nad->text());
    set("NAZWA2_NAD", EdNazwa2_Nad->text());
    set("IDENTYF", EdNIP->text());
    set("TYPIDENTYF", SelectedCode(EdTyp));
    set("OKRES", EdOkres->text());
    set("SYMBOLFORM", EdSymbol->currentText());
    set("IDENTYFZOB", EdIdentyfZobow->text());
    const QDate date = EdData->Date();
    set("DATA_PRZEK", date.isValid() ? date : DateValue::zeroDate());
}
