#include "TZUSFrm.h"

#include "Choices.h"
#include "Dataset.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FieldLeave.h"
#include "Globals.h"
#include "IdentifierFill.h"
#include "LengthCounter.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "OperationKind.h"
#include "RowStore.h"
#include "SaveChecks.h"
#include "TWybierzAdresatFrm.h"
#include "TaxFieldRules.h"
#include "ValidityMark.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList PaymentTypes = {
    QStringLiteral("S - składka za 1 m-c"),
    QStringLiteral("M - składka dłuższa niż m-c"),
    QStringLiteral("U - układ ratalny"),
    QStringLiteral("T - odroczenie terminu"),
    QStringLiteral("D - dodatkowa opłata"),
    QStringLiteral("E - koszty egzekucyjne"),
    QStringLiteral("A - dodatkowa opłata za błędy płatnika"),
};
const int MonthlyContribution = 0;

const QStringList SecondIdTypes = {
    QStringLiteral("N - NUSP"),
    QStringLiteral("R - REGON"),
    QStringLiteral("P - PESEL"),
    QStringLiteral("1 - Dowód osobisty"),
    QStringLiteral("2 - Paszport"),
};
const QString RegonType = QStringLiteral("R");
const QString PeselType = QStringLiteral("P");

constexpr int PaymentTypeRows = 16;
constexpr int DecisionLength = 25;
constexpr int IdentifierLength = 14;
constexpr int DeclarationNumberLength = 2;
constexpr int SignatureLength = 20;
constexpr int FirstYear = 1990;
constexpr int LastYear = 2100;

const QString NipCaption = QStringLiteral("NIP płatnika");
const QString SecondIdCaption = QStringLiteral("Drugi identyfikator płatnika");

const QString InvalidAccountHint = QStringLiteral("Nieprawidłowy numer rachunku bankowego");

// Each list entry begins with the one character that is stored; a new order selects none.
QComboBox *fixedList(const QStringList &entries, const char *name, QWidget *parent)
{
    QList<std::pair<QString, QString>> coded;
    for (const QString &entry : entries)
        coded.append({entry, entry.left(1)});
    QComboBox *list = NewCodedList(parent, name, coded);
    list->setCurrentIndex(-1);
    return list;
}

// A declaration month or year that may be unknown: a stored row another tool wrote without
// one shows the blank at the bottom of the range and keeps it, never a made-up date.
QSpinBox *declarationPart(const char *name, int first, int last, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(first - 1, last);
    spin->setSpecialValueText(QStringLiteral(" "));
    return spin;
}

void fillDeclarationPart(QSpinBox *spin, const QVariant &stored)
{
    bool known = false;
    const int value = stored.toInt(&known);
    spin->setValue(known && !stored.isNull() && value > spin->minimum() ? value : spin->minimum());
}

QVariant declarationPartValue(const QSpinBox *spin)
{
    return spin->value() == spin->minimum() ? QVariant() : QVariant(spin->value());
}

QLineEdit *line(const char *name, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

// Two decimals, with the decimal mark and the groups of thousands of the user's regional
// settings; grouped from four whole digits on, as the desktop's own number format is,
// although Qt's data for some locales, Polish among them, groups only from five.
QString regionalAmount(Money amount)
{
    const QLocale locale;
    const QString plain = amount.toPlainString(2);
    const qsizetype point = plain.indexOf(u'.');
    QString whole = plain.left(point);
    const qsizetype firstDigit = whole.startsWith(u'-') ? 1 : 0;
    if (!locale.numberOptions().testFlag(QLocale::OmitGroupSeparator))
        for (qsizetype at = whole.size() - 3; at > firstDigit; at -= 3)
            whole.insert(at, locale.groupSeparator());
    return whole + locale.decimalPoint() + plain.mid(point + 1);
}

}

TZUSFrm::TZUSFrm(QWidget *parent) : QDialog(parent), clock_([] { return QDate::currentDate(); })
{
    setObjectName(QStringLiteral("TZUSFrm"));
    setWindowTitle(QStringLiteral("ZUS"));

    EdOperacja = new OperationKind(this);
    const struct { int number; const char *type, *amount, *decision; } rows[] = {
        {51, "EdTypWpl51", "EdKwota51", "EdNrDec51"},
        {52, "EdTypWpl52", "EdKwota52", "EdNrDec52"},
        {53, "EdTypWpl53", "EdKwota53", "EdNrDec53"},
    };
    for (size_t i = 0; i < payments_.size(); ++i) {
        Payment &payment = payments_[i];
        payment.number = rows[i].number;
        payment.type = fixedList(PaymentTypes, rows[i].type, this);
        payment.type->setMaxVisibleItems(PaymentTypeRows);
        payment.amount = new MoneyEdit(this);
        payment.amount->setObjectName(QLatin1String(rows[i].amount));
        payment.decision = line(rows[i].decision, DecisionLength, this);
        OnFieldLeave(payment.amount, [this] { EdKwotaExit(); });
    }
    KwotaLbl = new QLabel(this);
    KwotaLbl->setObjectName(QStringLiteral("KwotaLbl"));
    KwotaLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    UstawSkladkaBtn = new QToolButton(this);
    UstawSkladkaBtn->setObjectName(QStringLiteral("UstawSkladkaBtn"));
    UstawSkladkaBtn->setText(QStringLiteral("Ustaw - składka za m-c"));
    UstawSkladkaBtn->setAutoRaise(true);
    UstawSkladkaBtn->setFocusPolicy(Qt::NoFocus);

    EdKonto_Nad = line("EdKonto_Nad", 50, this);
    EdNazwa1_Nad = new NameLine(this);
    EdNazwa1_Nad->setObjectName(QStringLiteral("EdNazwa1_Nad"));
    EdNazwa2_Nad = new NameLine(this);
    EdNazwa2_Nad->setObjectName(QStringLiteral("EdNazwa2_Nad"));
    lbNazwa1_Nad = new LengthCounter(EdNazwa1_Nad, this);
    lbNazwa1_Nad->setObjectName(QStringLiteral("lbNazwa1_Nad"));
    lbNazwa2_Nad = new LengthCounter(EdNazwa2_Nad, this);
    lbNazwa2_Nad->setObjectName(QStringLiteral("lbNazwa2_Nad"));
    EdNIP = line("EdNIP", IdentifierLength, this);
    EdTyp = fixedList(SecondIdTypes, "EdTyp", this);
    EdIdentyfUzup = line("EdIdentyfUzup", IdentifierLength, this);
    EdNrDekl = line("EdNrDekl", DeclarationNumberLength, this);
    TypeUpperCase(EdNrDekl);
    EdMies = declarationPart("EdMies", 1, 12, this);
    EdRok = declarationPart("EdRok", FirstYear, LastYear, this);
    EdPodpisA = line("EdPodpisA", SignatureLength, this);
    EdPodpisB = line("EdPodpisB", SignatureLength, this);
    EdPodpisC = line("EdPodpisC", SignatureLength, this);

    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    buildLayout();
    setTabOrderOfFields();

    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &TZUSFrm::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ConnectGuarded(UstawSkladkaBtn, &QToolButton::clicked, this, &TZUSFrm::UstawSkladkaBtnClick);
    ConnectGuarded(EdTyp, &QComboBox::activated, this, &TZUSFrm::EdTypChange);
    OnFieldLeave(EdKonto_Nad, [this] { EdKonto_NadExit(); });
    for (NameLine *payer : {EdNazwa1_Nad, EdNazwa2_Nad})
        ConnectGuarded(payer, &NameLine::chooserClicked, this, &TZUSFrm::NadButtonClick);
}

void TZUSFrm::buildLayout()
{
    auto *components = new QGroupBox(QStringLiteral("Składniki"), this);
    auto *grid = new QGridLayout(components);
    auto *amountHeading = new QLabel(QStringLiteral("&Kwota"), components);
    amountHeading->setBuddy(payments_[0].amount);
    grid->addWidget(amountHeading, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Nr decyzji/umowy/tytułu"), components), 0, 3);
    const QString captions[] = {
        QStringLiteral("[5&1] - ubezpieczenie społeczne"),
        QStringLiteral("[5&2] - ubezpieczenie zdrowotne"),
        QStringLiteral("[5&3] - Fundusz Pracy i FGŚP"),
    };
    for (int i = 0; i < int(payments_.size()); ++i) {
        const Payment &payment = payments_[size_t(i)];
        auto *caption = new QLabel(captions[i], components);
        caption->setBuddy(payment.type);
        grid->addWidget(caption, i + 1, 0);
        grid->addWidget(payment.type, i + 1, 1);
        grid->addWidget(payment.amount, i + 1, 2);
        grid->addWidget(payment.decision, i + 1, 3);
    }
    const int totalRow = int(payments_.size()) + 1;
    grid->addWidget(UstawSkladkaBtn, totalRow, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Razem"), components), totalRow, 1, Qt::AlignRight);
    grid->addWidget(KwotaLbl, totalRow, 2);
    grid->setColumnMinimumWidth(2, 110);
    grid->setColumnMinimumWidth(3, 170);

    auto *payer = new QGridLayout;
    payer->addWidget(new QLabel(QStringLiteral("Numer rachunku bankowego zleceniodawcy (przelew)"), this), 0, 0, 1, 2);
    payer->addWidget(EdKonto_Nad, 1, 0);
    payer->addWidget(new QLabel(QStringLiteral("Nazwa skrócona płatnika lub nazwisko i imię płatnika"), this), 2, 0,
                     1, 2);
    payer->addWidget(EdNazwa1_Nad, 3, 0);
    payer->addWidget(lbNazwa1_Nad, 3, 1);
    payer->addWidget(EdNazwa2_Nad, 4, 0);
    payer->addWidget(lbNazwa2_Nad, 4, 1);
    EdNazwa1_Nad->AddChooserButton();
    EdNazwa2_Nad->AddChooserButton();

    auto *identifiers = new QGridLayout;
    const struct { QString caption; QWidget *field; } labelled[] = {
        {NipCaption, EdNIP},
        {QStringLiteral("Typ drugiego identyf."), EdTyp},
        {SecondIdCaption, EdIdentyfUzup},
        {QStringLiteral("Nr deklaracji"), EdNrDekl},
        {QStringLiteral("Miesiąc"), EdMies},
        {QStringLiteral("Rok"), EdRok},
    };
    for (int i = 0; i < 6; ++i) {
        auto *caption = new QLabel(labelled[i].caption, this);
        caption->setBuddy(labelled[i].field);
        identifiers->addWidget(caption, (i / 3) * 2, i % 3);
        identifiers->addWidget(labelled[i].field, (i / 3) * 2 + 1, i % 3);
    }

    auto *signature = new QGroupBox(QStringLiteral("Nazwisko, imię i adres wpłacającego"), this);
    auto *signatureLines = new QVBoxLayout(signature);
    for (QLineEdit *edit : {EdPodpisA, EdPodpisB, EdPodpisC})
        signatureLines->addWidget(edit);

    auto *form = new QVBoxLayout;
    form->addWidget(EdOperacja, 0, Qt::AlignLeft);
    form->addWidget(components);
    form->addLayout(payer);
    form->addLayout(identifiers);
    form->addWidget(signature);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TZUSFrm::setTabOrderOfFields()
{
    QList<QWidget *> order;
    for (auto *choice : EdOperacja->findChildren<QRadioButton *>())
        order << choice;
    for (const Payment &payment : payments_)
        order << payment.type << payment.amount << payment.decision;
    order << EdKonto_Nad << EdNazwa1_Nad << EdNazwa2_Nad << EdNIP << EdTyp << EdIdentyfUzup << EdNrDekl << EdMies
          << EdRok << EdPodpisA << EdPodpisB << EdPodpisC << PostBtn << CancelBtn;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool TZUSFrm::ShowNew()
{
    return open(true);
}

bool TZUSFrm::ShowCurrent()
{
    return open(false);
}

bool TZUSFrm::open(bool isNew)
{
    isNew_ = isNew;
    stored_ = false;
    if (isNew)
        clearForNew();
    else
        fillFromCurrentRow();
    EdKwotaExit();
    EdKonto_NadExit();
    for (auto *choice : EdOperacja->findChildren<QRadioButton *>())
        if (choice->isChecked())
            choice->setFocus();
    centreOnDesktop();
    const bool accepted = ModalSeam::run(*this) == QDialog::Accepted;
    return accepted || stored_;
}

void TZUSFrm::centreOnDesktop()
{
    adjustSize();
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
}

void TZUSFrm::clearForNew()
{
    NadawcaId = 0;
    rowId_ = 0;
    EdOperacja->SetTransfer(true);
    for (const Payment &payment : payments_) {
        payment.type->setCurrentIndex(-1);
        payment.amount->SetValue(Money());
        payment.decision->clear();
    }
    for (QLineEdit *edit : {EdKonto_Nad, static_cast<QLineEdit *>(EdNazwa1_Nad), static_cast<QLineEdit *>(EdNazwa2_Nad),
                            EdNIP, EdIdentyfUzup, EdPodpisA, EdPodpisB, EdPodpisC})
        edit->clear();
    EdTyp->setCurrentIndex(-1);
    // The contributions of a month are paid in the next one.
    const QDate lastMonth = clock_().addMonths(-1);
    EdMies->setValue(lastMonth.month());
    EdRok->setValue(lastMonth.year());
    EdNrDekl->setText(QStringLiteral("01"));
}

void TZUSFrm::fillFromCurrentRow()
{
    const Dataset &row = DM->Zusowe;
    rowId_ = row.value(QStringLiteral("PRZELEWID")).toInt();
    NadawcaId = row.value(QStringLiteral("NADAWCAID")).toInt();
    EdOperacja->SetTransfer(OperationKind::IsTransferCode(row.value(QStringLiteral("PRZELEW"))));
    for (const Payment &payment : payments_) {
        const QString number = QString::number(payment.number);
        SelectCode(payment.type, row.value(QStringLiteral("TYP_WPL_") + number).toString());
        const Money amount = row.value(QStringLiteral("KWOTA_") + number).value<Money>();
        if (!payment.amount->SetValue(amount))
            DM->ShowWarning(QStringLiteral("Kwota %1 zapisana w składniku %2 wykracza poza zakres od 0 do %3; "
                                           "pole kwoty pokazuje 0,00.")
                                .arg(MoneyEdit::Grouped(amount), number, MoneyEdit::Grouped(MoneyEdit::Maximum())));
        payment.decision->setText(row.value(QStringLiteral("NR_DEC_") + number).toString());
    }
    EdNazwa1_Nad->setText(row.value(QStringLiteral("NAZWA1_NAD")).toString());
    EdNazwa2_Nad->setText(row.value(QStringLiteral("NAZWA2_NAD")).toString());
    EdKonto_Nad->setText(row.value(QStringLiteral("KONTO_NAD")).toString());
    FillIdentifier(EdNIP, row.value(QStringLiteral("NIP_NAD")).toString(), NipCaption);
    FillIdentifier(EdIdentyfUzup, row.value(QStringLiteral("IDENT_UZUP")).toString(), SecondIdCaption);
    EdNrDekl->setText(row.value(QStringLiteral("NR_DEKL")).toString());
    fillDeclarationPart(EdMies, row.value(QStringLiteral("MIES_DEKL")));
    fillDeclarationPart(EdRok, row.value(QStringLiteral("ROK_DEKL")));
    EdPodpisA->setText(row.value(QStringLiteral("PODPIS_A")).toString());
    EdPodpisB->setText(row.value(QStringLiteral("PODPIS_B")).toString());
    EdPodpisC->setText(row.value(QStringLiteral("PODPIS_C")).toString());
    SelectCode(EdTyp, row.value(QStringLiteral("TYP_IDENT")).toString());
}

void TZUSFrm::EdKwotaExit()
{
    Money total;
    for (const Payment &payment : payments_)
        total = total + payment.amount->Value();
    KwotaLbl->setText(regionalAmount(total));
}

void TZUSFrm::EdKonto_NadExit()
{
    // A cash payment at the counter needs no account, whatever the line holds.
    MarkValidity(EdKonto_Nad, !EdOperacja->IsTransfer() || IsValidAccount(EdKonto_Nad->text()), InvalidAccountHint);
}

void TZUSFrm::UstawSkladkaBtnClick()
{
    for (const Payment &payment : payments_)
        payment.type->setCurrentIndex(MonthlyContribution);
}

void TZUSFrm::EdTypChange()
{
    const QString type = SelectedCode(EdTyp);
    if (type == RegonType && !RegonNad.isEmpty())
        FillIdentifier(EdIdentyfUzup, RegonNad, SecondIdCaption);
    else if (type == PeselType && !PeselNad.isEmpty())
        FillIdentifier(EdIdentyfUzup, PeselNad, SecondIdCaption);
}

void TZUSFrm::NadButtonClick()
{
    TWybierzAdresatFrm chooser(this);
    if (chooser.ShowAt(NadawcaId))
        TakePayer(chooser.Choice());
}

void TZUSFrm::TakePayer(const ContractorChoice &payer)
{
    NadawcaId = payer.ADRESATID;
    EdNazwa1_Nad->setText(payer.NAZWA1_NAD);
    EdNazwa2_Nad->setText(payer.NAZWA2_NAD);
    RegonNad = payer.REGON;
    PeselNad = payer.PESEL;
    if (EdOperacja->IsTransfer())
        EdKonto_Nad->setText(GroupedAccount(payer.KONTO));
    EdKonto_NadExit();
    FillIdentifier(EdNIP, payer.NIP, NipCaption);
    if (EdIdentyfUzup->text().isEmpty()) {
        const QString type = SelectedCode(EdTyp);
        if (type == RegonType)
            FillIdentifier(EdIdentyfUzup, RegonNad, SecondIdCaption);
        else if (type == PeselType)
            FillIdentifier(EdIdentyfUzup, PeselNad, SecondIdCaption);
    }
    EdPodpisA->setText(payer.PODPIS_A_ZUS);
    EdPodpisB->setText(payer.PODPIS_B_ZUS);
    EdPodpisC->setText(payer.PODPIS_C_ZUS);
}

void TZUSFrm::PostBtnClick()
{
    const Payment &social = payments_[0], &health = payments_[1], &funds = payments_[2];
    auto unpaid = [](const Payment &payment) { return payment.amount->Value() == Money(); };
    auto untyped = [&unpaid](const Payment &payment) { return !unpaid(payment) && payment.type->currentIndex() < 0; };
    const bool transfer = EdOperacja->IsTransfer();
    const bool saved = RunSaveChecks({
        {[&] { return unpaid(social) && unpaid(health) && unpaid(funds); },
         QStringLiteral("Żadna kwota nie została podana."), social.amount},
        {[&] { return untyped(social); }, QStringLiteral("Typ wpłaty dla ubezpieczenia społecznego nie podany."),
         social.type},
        {[&] { return untyped(health); }, QStringLiteral("Typ wpłaty dla ubezpieczenia zdrowotnego nie podany."),
         health.type},
        {[&] { return untyped(funds); }, QStringLiteral("Typ wpłaty dla FP i FGŚP nie podany."), funds.type},
        // Blanks and the separators of a grouped number are no account: only digits count.
        {[&] { return transfer && DigitsOnly(EdKonto_Nad->text()).isEmpty(); },
         QStringLiteral("Numer rachunku bankowego płatnika musi być podany."), EdKonto_Nad},
        {[&] { return transfer && !IsValidAccount(EdKonto_Nad->text()); },
         QStringLiteral("Numer rachunku bankowego płatnika jest nieprawidłowy."), nullptr},
        {[&] { return IsBlank(EdNazwa1_Nad); }, QStringLiteral("Nazwa płatnika musi być podana."), EdNazwa1_Nad},
        {[&] { return IsBlank(EdNIP); }, QStringLiteral("NIP płatnika musi być podany."), EdNIP},
        // Only a warning: IsValidNip wants the NIP written in thirteen characters with its
        // separators, and ten bare digits, as it is usually typed here, must not block a payment.
        {[&] { return !IsValidNip(EdNIP->text()); }, QStringLiteral("NIP płatnika jest nieprawidłowy."), nullptr},
        {[&] { return IsBlank(EdIdentyfUzup); }, QStringLiteral("Drugi identyfikator płatnika musi być podany."),
         EdIdentyfUzup},
        {[&] { return IsBlank(EdNrDekl); }, QStringLiteral("Numer deklaracji musi być podany."), EdNrDekl},
    });
    if (!saved)
        return;
    if (!isNew_ && !rowStore_.StoringAgain()
        && !StandOnStoredRow(DM->Zusowe, QStringLiteral("PRZELEWID"), rowId_, [this] { DM->ReopenZusList(rowId_); }))
        return;
    Dataset &rows = DM->Zusowe;
    const StoreResult result = rowStore_.Store(rows, isNew_, [this, &rows] { write(rows); },
                                        [this] { DM->ReopenZusList(rowId_); });
    if (result == StoreResult::Failed)
        return;
    if (result == StoreResult::KeptTheirs) {
        reject();
        return;
    }
    // Posted: from now on a save changes this row, whether or not the list could show it.
    stored_ = true;
    isNew_ = false;
    if (result == StoreResult::Stored)
        accept();
}

void TZUSFrm::write(Dataset &rows)
{
    if (isNew_) {
        rowId_ = DM->NewTransferId();
        rows.setValue(QStringLiteral("PRZELEWID"), rowId_);
        rows.setValue(QStringLiteral("DATA_WPR"), clock_());
    }
    const bool transfer = EdOperacja->IsTransfer();
    rows.setValue(QStringLiteral("PRZELEW"), OperationKind::Code(transfer));
    for (const Payment &payment : payments_) {
        const QString number = QString::number(payment.number);
        rows.setValue(QStringLiteral("TYP_WPL_") + number, SelectedCode(payment.type));
        rows.setValue(QStringLiteral("KWOTA_") + number, QVariant::fromValue(payment.amount->Value()));
        rows.setValue(QStringLiteral("NR_DEC_") + number, payment.decision->text());
    }
    rows.setValue(QStringLiteral("KONTO_NAD"), transfer ? DigitsOnly(EdKonto_Nad->text()) : QString());
    rows.setValue(QStringLiteral("NAZWA1_NAD"), EdNazwa1_Nad->text());
    rows.setValue(QStringLiteral("NAZWA2_NAD"), EdNazwa2_Nad->text());
    rows.setValue(QStringLiteral("NIP_NAD"), EdNIP->text());
    rows.setValue(QStringLiteral("TYP_IDENT"), SelectedCode(EdTyp));
    rows.setValue(QStringLiteral("IDENT_UZUP"), EdIdentyfUzup->text());
    rows.setValue(QStringLiteral("NR_DEKL"), EdNrDekl->text());
    rows.setValue(QStringLiteral("ROK_DEKL"), declarationPartValue(EdRok));
    rows.setValue(QStringLiteral("MIES_DEKL"), declarationPartValue(EdMies));
    rows.setValue(QStringLiteral("PODPIS_A"), EdPodpisA->text());
    rows.setValue(QStringLiteral("PODPIS_B"), EdPodpisB->text());
    rows.setValue(QStringLiteral("PODPIS_C"), EdPodpisC->text());
}
