#include "TSzablonZwyklyFrm.h"

#include "AccountEdit.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "OperationKind.h"
#include "TWybierzAdresatFrm.h"
#include "TWybierzTytulFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TSzablonZwyklyFrm::TSzablonZwyklyFrm(QWidget *parent)
    : DirectoryEditor({"TSzablonZwyklyFrm", QStringLiteral("Przelew zwykły - szablon"), &DM->szZwykle,
                       QStringLiteral("PRZELEWID"), [] { return DM->NewTransferId(); },
                       [](qint32 id) { DM->ReopenOrdinaryTemplates(id); }},
                      parent)
{
    QWidget *form = Form();
    EdNazwa = Named(new NameLine(form), "EdNazwa");
    EdNazwa1_Odb = Named(new NameLine(form), "EdNazwa1_Odb");
    EdNazwa2_Odb = Named(new NameLine(form), "EdNazwa2_Odb");
    EdKonto_Odb = Named(new AccountEdit(form), "EdKonto_Odb");
    EdOperacja = new OperationKind(form);
    EdKwota = Named(new MoneyEdit(form), "EdKwota");
    EdKonto_Nad = Named(new AccountEdit(form), "EdKonto_Nad");
    EdNazwa1_Nad = Named(new NameLine(form), "EdNazwa1_Nad");
    EdNazwa2_Nad = Named(new NameLine(form), "EdNazwa2_Nad");
    EdTytul1 = Named(new NameLine(form), "EdTytul1");
    EdTytul2 = Named(new NameLine(form), "EdTytul2");
    lbNazwa1_Odb = Named(new LengthCounter(EdNazwa1_Odb, form), "lbNazwa1_Odb");
    lbNazwa2_Odb = Named(new LengthCounter(EdNazwa2_Odb, form), "lbNazwa2_Odb");
    lbNazwa1_Nad = Named(new LengthCounter(EdNazwa1_Nad, form), "lbNazwa1_Nad");
    lbNazwa2_Nad = Named(new LengthCounter(EdNazwa2_Nad, form), "lbNazwa2_Nad");
    lbTytul1 = Named(new LengthCounter(EdTytul1, form), "lbTytul1");
    lbTytul2 = Named(new LengthCounter(EdTytul2, form), "lbTytul2");
    EdNazwa1_Odb->setMinimumWidth(EdNazwa1_Odb->fontMetrics().averageCharWidth() * 46);
    for (NameLine *line : {EdNazwa1_Odb, EdNazwa2_Odb, EdNazwa1_Nad, EdNazwa2_Nad, EdTytul1, EdTytul2})
        line->AddChooserButton();

    auto *kindAndAmount = new QHBoxLayout;
    auto *amount = new QVBoxLayout;
    amount->addStretch();
    amount->addWidget(Caption(QStringLiteral("&Kwota"), EdKwota, form));
    amount->addWidget(EdKwota);
    kindAndAmount->addWidget(EdOperacja);
    kindAndAmount->addLayout(amount);

    auto *layout = new QGridLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto captionRow = [&](const QString &text, QWidget *buddy) {
        layout->addWidget(Caption(text, buddy, form), row++, 0, 1, 2);
    };
    const auto lineRow = [&](QWidget *line, QWidget *counter) {
        layout->addWidget(line, row, 0);
        if (counter)
            layout->addWidget(counter, row, 1);
        ++row;
    };
    captionRow(QStringLiteral("&Nazwa szablonu (identyfikator)"), EdNazwa);
    lineRow(EdNazwa, nullptr);
    captionRow(QStringLiteral("Nazwa &odbiorcy"), EdNazwa1_Odb);
    lineRow(EdNazwa1_Odb, lbNazwa1_Odb);
    lineRow(EdNazwa2_Odb, lbNazwa2_Odb);
    captionRow(QStringLiteral("Numer &rachunku odbiorcy"), EdKonto_Odb);
    lineRow(EdKonto_Odb, nullptr);
    layout->addLayout(kindAndAmount, row++, 0);
    captionRow(QStringLiteral("Numer rachunku zleceniodawcy"), EdKonto_Nad);
    lineRow(EdKonto_Nad, nullptr);
    captionRow(QStringLiteral("Nazwa zleceniodawcy"), EdNazwa1_Nad);
    lineRow(EdNazwa1_Nad, lbNazwa1_Nad);
    lineRow(EdNazwa2_Nad, lbNazwa2_Nad);
    captionRow(QStringLiteral("&Tytuł zapłaty"), EdTytul1);
    lineRow(EdTytul1, lbTytul1);
    lineRow(EdTytul2, lbTytul2);

    QWidget *previous = nullptr;
    for (QWidget *field : std::initializer_list<QWidget *>{
             EdNazwa, EdNazwa1_Odb, EdNazwa2_Odb, EdKonto_Odb, EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata")),
             EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew")), EdKwota, EdKonto_Nad, EdNazwa1_Nad,
             EdNazwa2_Nad, EdTytul1, EdTytul2}) {
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }

    SetNameField(EdNazwa);
    const auto identifier = [this](const QString &column, qint32 &remembered) {
        Bind(column, [&remembered] { return QVariant(remembered); },
             [&remembered](const QVariant &value) { remembered = value.toInt(); }, 0);
    };
    identifier(QStringLiteral("ODBIORCAID"), OdbiorcaId);
    identifier(QStringLiteral("NADAWCAID"), NadawcaId);
    identifier(QStringLiteral("TYTULID"), TytulId);
    BindLine(EdNazwa, QStringLiteral("NAZWA"));
    BindLine(EdNazwa1_Odb, QStringLiteral("NAZWA1_ODB"));
    BindLine(EdNazwa2_Odb, QStringLiteral("NAZWA2_ODB"));
    BindAccount(EdKonto_Odb, QStringLiteral("KONTO_ODB"));
    Bind(QStringLiteral("PRZELEW"), [this] { return QVariant(OperationKind::Code(EdOperacja->IsTransfer())); },
         [this](const QVariant &value) { EdOperacja->SetTransfer(OperationKind::IsTransferCode(value)); },
         OperationKind::Code(true));
    Bind(QStringLiteral("KWOTA"), [this] { return QVariant::fromValue(EdKwota->Value()); },
         [this](const QVariant &value) {
             const Money stored = value.metaType() == QMetaType::fromType<Money>() ? value.value<Money>() : Money();
             if (!EdKwota->SetValue(stored)) {
                 EdKwota->SetValue(Money());
                 DM->ShowWarning(QStringLiteral("Zapisana kwota %1 nie mieści się w polu kwoty; wpisz właściwą kwotę.")
                                     .arg(MoneyEdit::Grouped(stored)));
             }
         });
    BindAccount(EdKonto_Nad, QStringLiteral("KONTO_NAD"));
    BindLine(EdNazwa1_Nad, QStringLiteral("NAZWA1_NAD"));
    BindLine(EdNazwa2_Nad, QStringLiteral("NAZWA2_NAD"));
    BindLine(EdTytul1, QStringLiteral("TYTUL1_ZAPL"));
    BindLine(EdTytul2, QStringLiteral("TYTUL2_ZAPL"));

    RequireLine(EdNazwa, QStringLiteral("Nazwa szablonu musi być podana."));
    AddCheck([this] { return !IsValidAccount(EdKonto_Odb->text()); },
             QStringLiteral("Numer rachunku odbiorcy jest nieprawidłowy."), nullptr);
    AddCheck([this] { return !IsValidAccount(EdKonto_Nad->text()); },
             QStringLiteral("Numer rachunku zleceniodawcy jest nieprawidłowy."), nullptr);

    const auto chooser = [this](NameLine *line, void (TSzablonZwyklyFrm::*handler)()) {
        connect(line, &NameLine::chooserClicked, this, [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    };
    chooser(EdNazwa1_Odb, &TSzablonZwyklyFrm::NazwaOdbClick);
    chooser(EdNazwa2_Odb, &TSzablonZwyklyFrm::NazwaOdbClick);
    chooser(EdNazwa1_Nad, &TSzablonZwyklyFrm::NazwaNadClick);
    chooser(EdNazwa2_Nad, &TSzablonZwyklyFrm::NazwaNadClick);
    chooser(EdTytul1, &TSzablonZwyklyFrm::TytulClick);
    chooser(EdTytul2, &TSzablonZwyklyFrm::TytulClick);
}

void TSzablonZwyklyFrm::NazwaOdbClick()
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

void TSzablonZwyklyFrm::NazwaNadClick()
{
    TWybierzAdresatFrm chooser(this);
    if (!chooser.ShowAt(NadawcaId))
        return;
    const ContractorChoice &chosen = chooser.Choice();
    NadawcaId = chosen.ADRESATID;
    EdNazwa1_Nad->setText(chosen.NAZWA1_NAD);
    EdNazwa2_Nad->setText(chosen.NAZWA2_NAD);
    // A deposit keeps the sender's account as it was.
    if (EdOperacja->IsTransfer())
        EdKonto_Nad->SetDigits(chosen.KONTO);
    EdKonto_Nad->Check();
}

void TSzablonZwyklyFrm::TytulClick()
{
    TWybierzTytulFrm chooser(this);
    if (!chooser.ShowAt(TytulId))
        return;
    const TitleChoice &chosen = chooser.Choice();
    TytulId = chosen.TYTULID;
    EdTytul1->setText(chosen.TYTUL1);
    EdTytul2->setText(chosen.TYTUL2);
}
