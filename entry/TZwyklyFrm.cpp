#include "TZwyklyFrm.h"

#include "AccountEdit.h"
#include "DateValue.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "NullableDateEdit.h"
#include "OperationKind.h"
#include "RowStore.h"
#include "SaveChecks.h"
#include "SenderAccountLine.h"
#include "TWybierzAdresatFrm.h"
#include "TWybierzSzablonZW.h"
#include "TWybierzTytulFrm.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString IdColumn = QStringLiteral("PRZELEWID");

template<typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

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
    EdNazwa1_Odb = named(new NameLine(form), "EdNazwa1_Odb");
    EdNazwa2_Odb = named(new NameLine(form), "EdNazwa2_Odb");
    EdKonto_Odb = named(new AccountEdit(form), "EdKonto_Odb");
    EdOperacja = new OperationKind(form);
    EdKwota = named(new MoneyEdit(form), "EdKwota");
    EdKonto_Nad = new SenderAccountLine(EdOperacja, EdKwota, form);
    EdData = named(new NullableDateEdit(form), "EdData");
    EdNazwa1_Nad = named(new NameLine(form), "EdNazwa1_Nad");
    EdNazwa2_Nad = named(new NameLine(form), "EdNazwa2_Nad");
    EdTytul1 = named(new NameLine(form), "EdTytul1");
    EdTytul2 = named(new NameLine(form), "EdTytul2");
    lbNazwa1_Odb = named(new LengthCounter(EdNazwa1_Odb, form), "lbNazwa1_Odb");
    lbNazwa2_Odb = named(new LengthCounter(EdNazwa2_Odb, form), "lbNazwa2_Odb");
    lbNazwa1_Nad = named(new LengthCounter(EdNazwa1_Nad, form), "lbNazwa1_Nad");
    lbNazwa2_Nad = named(new LengthCounter(EdNazwa2_Nad, form), "lbNazwa2_Nad");
    lbTytul1 = named(new LengthCounter(EdTytul1, form), "lbTytul1");
    lbTytul2 = named(new LengthCounter(EdTytul2, form), "lbTytul2");
    const int lineWidth = fontMetrics().averageCharWidth() * 46;
    for (QWidget *line : {static_cast<QWidget *>(EdNazwa1_Odb), static_cast<QWidget *>(EdKonto_Nad)})
        line->setMinimumWidth(lineWidth);

    auto *kindAndAmount = new QHBoxLayout;
    auto *amount = new QVBoxLayout;
    amount->addStretch();
    amount->addWidget(caption(QStringLiteral("&Kwota"), EdKwota, form));
    amount->addWidget(EdKwota);
    kindAndAmount->addWidget(EdOperacja);
    kindAndAmount->addLayout(amount);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(caption(QStringLiteral("Data złożenia"), EdData, form));
    dateRow->addWidget(EdData);
    dateRow->addStretch();

    auto *fields = new QGridLayout(form);
    fields->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto captionRow = [&](const QString &text, QWidget *buddy) {
        fields->addWidget(caption(text, buddy, form), row++, 0, 1, 2);
    };
    const auto lineRow = [&](QWidget *line, QWidget *counter) {
        fields->addWidget(line, row, 0);
        if (counter)
            fields->addWidget(counter, row, 1);
        ++row;
    };
    captionRow(QStringLiteral("Nazwa odbiorcy"), EdNazwa1_Odb);
    lineRow(EdNazwa1_Odb, lbNazwa1_Odb);
    lineRow(EdNazwa2_Odb, lbNazwa2_Odb);
    captionRow(QStringLiteral("Numer rachunku odbiorcy"), EdKonto_Odb);
    lineRow(EdKonto_Odb, nullptr);
    fields->addLayout(kindAndAmount, row++, 0);
    captionRow(QStringLiteral("Numer rachunku zleceniodawcy (przelew) / kwota słownie (wpłata)"), EdKonto_Nad);
    lineRow(EdKonto_Nad, nullptr);
    captionRow(QStringLiteral("Nazwa zleceniodawcy"), EdNazwa1_Nad);
    lineRow(EdNazwa1_Nad, lbNazwa1_Nad);
    lineRow(EdNazwa2_Nad, lbNazwa2_Nad);
    captionRow(QStringLiteral("Tytuł zapłaty"), EdTytul1);
    lineRow(EdTytul1, lbTytul1);
    lineRow(EdTytul2, lbTytul2);
    fields->addLayout(dateRow, row++, 0);

    PostBtn = named(new QPushButton(QStringLiteral("&Zapisz"), this), "PostBtn");
    PostBtn->setDefault(true);
    CancelBtn = named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    SzablonBtn = named(new QPushButton(QStringLiteral("Z szablonu"), this), "SzablonBtn");
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(SzablonBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The order in which a bookkeeper copies a paper order, not the order of the layout.
    QWidget *previous = nullptr;
    for (QWidget *field : std::initializer_list<QWidget *>{
             EdNazwa1_Odb, EdNazwa2_Odb, EdKonto_Odb, EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata")),
             EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew")), EdKwota, EdKonto_Nad, EdData, EdNazwa1_Nad,
             EdNazwa2_Nad, EdTytul1, EdTytul2, PostBtn, CancelBtn, SzablonBtn}) {
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }

    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb, EdNazwa1_Nad, EdNazwa2_Nad, EdTytul1, EdTytul2})
        line->AddChooserButton();
    const auto chooser = [this](NameLine *line, void (TZwyklyFrm::*handler)()) {
        connect(line, &NameLine::chooserClicked, this, [this, handler] { handle(handler); });
    };
    chooser(EdNazwa1_Odb, &TZwyklyFrm::OdbiorcaBtnClick);
    chooser(EdNazwa2_Odb, &TZwyklyFrm::OdbiorcaBtnClick);
    chooser(EdNazwa1_Nad, &TZwyklyFrm::NadawcaBtnClick);
    chooser(EdNazwa2_Nad, &TZwyklyFrm::NadawcaBtnClick);
    chooser(EdTytul1, &TZwyklyFrm::TytulBtnClick);
    chooser(EdTytul2, &TZwyklyFrm::TytulBtnClick);
    connect(PostBtn, &QPushButton::clicked, this, [this] { handle(&TZwyklyFrm::PostBtnClick); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(SzablonBtn, &QPushButton::clicked, this, [this] { handle(&TZwyklyFrm::SzablonBtnClick); });
}

void TZwyklyFrm::handle(void (TZwyklyFrm::*handler)())
{
    RunGuarded([this, handler] { (this->*handler)(); });
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
    OdbiorcaId = NadawcaId = TytulId = 0;
    for (QLineEdit *line : std::initializer_list<QLineEdit *>{EdNazwa1_Odb, EdNazwa2_Odb, EdKonto_Odb, EdNazwa1_Nad,
                                                             EdNazwa2_Nad, EdKonto_Nad, EdTytul1, EdTytul2})
        line->clear();
    EdOperacja->SetTransfer(true);
    EdKwota->SetValue(Money());
    EdData->SetDate({});
    EdNazwa1_Odb->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

bool TZwyklyFrm::ShowCurrent()
{
    isNew_ = false;
    const Dataset &row = DM->Zwykle;
    rowId_ = row.value(IdColumn).toInt();
    fillFromCurrentRow();
    EdKonto_Odb->Check();
    EdNazwa1_Odb->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

void TZwyklyFrm::fillFromCurrentRow()
{
    const Dataset &row = DM->Zwykle;
    EdNazwa1_Odb->setText(text(row, "NAZWA1_ODB"));
    EdNazwa2_Odb->setText(text(row, "NAZWA2_ODB"));
    EdKonto_Odb->SetDigits(text(row, "KONTO_ODB"));
    const Money amount = money(row, "KWOTA");
    if (!EdKwota->SetValue(amount))
        DM->ShowWarning(QStringLiteral("Zapisana kwota %1 nie mieści się w polu kwoty; wpisz właściwą kwotę.")
                            .arg(MoneyEdit::Grouped(amount)));
    rememberSender(text(row, "KONTO_NAD"));
    EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
    EdNazwa1_Nad->setText(text(row, "NAZWA1_NAD"));
    EdNazwa2_Nad->setText(text(row, "NAZWA2_NAD"));
    EdTytul1->setText(text(row, "TYTUL1_ZAPL"));
    EdTytul2->setText(text(row, "TYTUL2_ZAPL"));
    EdData->SetDate(date(row, "DATA_PRZEK"));
    EdOperacjaClick();
}

void TZwyklyFrm::rememberSender(const QString &account)
{
    // Only the digits: an account kept with separators would not fit the grouped field
    // whole, and its last digits would be lost on saving.
    EdKonto_Nad->SetRemembered(DigitsOnly(account));
}

void TZwyklyFrm::EdOperacjaClick()
{
    EdKonto_Nad->Refill();
}

void TZwyklyFrm::OdbiorcaBtnClick()
{
    TWybierzAdresatFrm chooser(this);
    if (!chooser.ShowAt(OdbiorcaId))
        return;
    const ContractorChoice &chosen = chooser.Choice();
    OdbiorcaId = chosen.ADRESATID;
    EdNazwa1_Odb->setText(chosen.NAZWA1_ODB);
    EdNazwa2_Odb->setText(chosen.NAZWA2_ODB);
    EdKonto_Odb->SetDigits(chosen.KONTO);
    EdKonto_Odb->Check();
}

void TZwyklyFrm::NadawcaBtnClick()
{
    TWybierzAdresatFrm chooser(this);
    if (!chooser.ShowAt(NadawcaId))
        return;
    const ContractorChoice &chosen = chooser.Choice();
    NadawcaId = chosen.ADRESATID;
    EdNazwa1_Nad->setText(chosen.NAZWA1_NAD);
    EdNazwa2_Nad->setText(chosen.NAZWA2_NAD);
    rememberSender(chosen.KONTO);
    EdKonto_Nad->ShowRemembered();
}

void TZwyklyFrm::TytulBtnClick()
{
    TWybierzTytulFrm chooser(this);
    if (!chooser.ShowAt(TytulId))
        return;
    const TitleChoice &chosen = chooser.Choice();
    TytulId = chosen.TYTULID;
    EdTytul1->setText(chosen.TYTUL1);
    EdTytul2->setText(chosen.TYTUL2);
}

void TZwyklyFrm::SzablonBtnClick()
{
    TWybierzSzablonZW chooser(this);
    if (chooser.ShowChooser())
        ApplyTemplate(DM->szZwykle);
}

void TZwyklyFrm::ApplyTemplate(const Dataset &row)
{
    NadawcaId = row.value(QStringLiteral("NADAWCAID")).toInt();
    OdbiorcaId = row.value(QStringLiteral("ODBIORCAID")).toInt();
    TytulId = row.value(QStringLiteral("TYTULID")).toInt();
    rememberSender(text(row, "KONTO_NAD"));
    EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
    const Money amount = money(row, "KWOTA");
    if (!EdKwota->SetValue(amount))
        DM->ShowWarning(QStringLiteral("Kwota szablonu %1 nie mieści się w polu kwoty; wpisz właściwą kwotę.")
                            .arg(MoneyEdit::Grouped(amount)));
    EdNazwa1_Odb->setText(text(row, "NAZWA1_ODB"));
    EdNazwa2_Odb->setText(text(row, "NAZWA2_ODB"));
    EdKonto_Odb->SetDigits(text(row, "KONTO_ODB"));
    EdKonto_Odb->Check();
    EdOperacjaClick();
    EdNazwa1_Nad->setText(text(row, "NAZWA1_NAD"));
    EdNazwa2_Nad->setText(text(row, "NAZWA2_NAD"));
    EdTytul1->setText(text(row, "TYTUL1_ZAPL"));
    EdTytul2->setText(text(row, "TYTUL2_ZAPL"));
}

void TZwyklyFrm::PostBtnClick()
{
    const bool passed = RunSaveChecks({
        {[this] { return EdNazwa1_Odb->text().isEmpty(); }, QStringLiteral("Nazwa odbiorcy musi być podana."),
         EdNazwa1_Odb},
        {[this] { return EdKonto_Odb->Digits().isEmpty(); }, QStringLiteral("Numer rachunku odbiorcy musi być podany."),
         EdKonto_Odb},
        {[this] { return !IsValidAccount(EdKonto_Odb->text()); },
         QStringLiteral("Numer rachunku odbiorcy jest nieprawidłowy."), nullptr},
        {[this] { return EdKwota->Value() == Money(); }, QStringLiteral("Kwota musi być podana."), EdKwota},
        // On the digits: a field of separators alone would store no sender account at all.
        {[this] { return EdKonto_Nad->LacksAccount(); },
         QStringLiteral("Numer rachunku zleceniodawcy musi być podany."), EdKonto_Nad},
        {[this] { return EdOperacja->IsTransfer() && !IsValidAccount(EdKonto_Nad->text()); },
         QStringLiteral("Numer rachunku zleceniodawcy jest nieprawidłowy."), nullptr},
        {[this] { return EdNazwa1_Nad->text().isEmpty(); }, QStringLiteral("Nazwa zleceniodawcy musi być podana."),
         EdNazwa1_Nad},
        {[this] { return EdTytul1->text().isEmpty(); }, QStringLiteral("Tytuł zapłaty musi być podany."), EdTytul1},
        // A half-typed date must not be stored as "no date".
        {[this] { return EdData->HasInvalidText(); }, QStringLiteral("Nieprawidłowa data."), EdData},
    });
    if (!passed)
        return;
    if (!isNew_ && !standOnOwnRow())
        return;

    Dataset &rows = DM->Zwykle;
    qint32 id = rowId_;
    const StoreResult result = StoreRow(
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
    case StoreResult::PostedNotShown:
        // The order exists now: another "&Zapisz" changes it instead of adding it twice.
        isNew_ = false;
        rowId_ = id;
        break;
    case StoreResult::Failed:
        break;
    }
}

bool TZwyklyFrm::standOnOwnRow()
{
    // Normally the list still stands on this window's order; after a reopen that
    // failed it may not, and the change must not land on another order.
    Dataset &rows = DM->Zwykle;
    const auto onOwnRow = [&] { return rows.isOpen() && rows.currentRow() >= 0 && rows.value(IdColumn).toInt() == rowId_; };
    if (onOwnRow())
        return true;
    if (!rows.isOpen() || !rows.locate(IdColumn, rowId_))
        DM->ReopenOrdinaryList(rowId_);
    if (onOwnRow())
        return true;
    DM->ShowWarning(QStringLiteral("Tego przelewu nie ma już w wykazie; zmian nie można zapisać."));
    return false;
}

void TZwyklyFrm::write(Dataset &rows)
{
    const auto set = [&rows](const char *column, const QVariant &value) { rows.setValue(QLatin1String(column), value); };
    set("NAZWA1_ODB", EdNazwa1_Odb->text());
    set("NAZWA2_ODB", EdNazwa2_Odb->text());
    set("KONTO_ODB", EdKonto_Odb->Digits());
    set("PRZELEW", OperationKind::Code(EdOperacja->IsTransfer()));
    set("KWOTA", QVariant::fromValue(EdKwota->Value()));
    set("KONTO_NAD", EdKonto_Nad->StoredAccount());
    set("NAZWA1_NAD", EdNazwa1_Nad->text());
    set("NAZWA2_NAD", EdNazwa2_Nad->text());
    set("TYTUL1_ZAPL", EdTytul1->text());
    set("TYTUL2_ZAPL", EdTytul2->text());
    const QDate transferDate = EdData->Date();
    set("DATA_PRZEK", DateValue::isSet(transferDate) ? transferDate : DateValue::zeroDate());
}
