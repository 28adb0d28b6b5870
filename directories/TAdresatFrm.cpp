#include "TAdresatFrm.h"

#include "AccountEdit.h"
#include "FDM.h"
#include "FormParts.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "NameLine.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The default identifier type of the tax form: stored code and list entry.
const std::pair<const char *, const char *> IdentifierTypes[] = {
    {"B", "(brak)"}, {"N", "N - NIP"}, {"R", "R - REGON"}, {"P", "P - PESEL"}};

constexpr int SignatureLength = 20;

}

TAdresatFrm::TAdresatFrm(QWidget *parent)
    : DirectoryEditor({.objectName = "TAdresatFrm",
                       .caption = QStringLiteral("Kontrahent"),
                       .dataset = &DM->Adresaci,
                       .keyField = QStringLiteral("ADRESATID"),
                       .newId = [] { return DM->NewContractorId(); },
                       // Every store commits: a list left uncommitted kept the snapshot of the
                       // start-up, under which a contractor another desktop had changed since
                       // could never be stored again.
                       .afterStore = [](qint32 id) { DM->ReopenContractors(id); }},
                      parent)
{
    auto *columns = new QHBoxLayout(Form());
    columns->setContentsMargins(0, 0, 0, 0);
    auto *left = new QVBoxLayout;
    left->addWidget(namesPart());
    left->addWidget(numbersPart());
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(contactPart());
    right->addWidget(signaturesPart(QStringLiteral("Podpis - formularz podatki"), "Pod"));
    right->addWidget(signaturesPart(QStringLiteral("Podpis - formularz ZUS"), "Zus"));
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);

    SetNameField(EdNazwa);
    RequireLine(EdNazwa, QStringLiteral("Nazwa kontrahenta musi być podana."));
    CheckOnLeave(EdNIP, IsValidNip, QStringLiteral("Nieprawidłowy NIP"));
    CheckOnLeave(EdRegon, IsValidRegon, QStringLiteral("Nieprawidłowy REGON"));
    CheckOnLeave(EdPesel, IsValidPesel, QStringLiteral("Nieprawidłowy PESEL"));
}

QWidget *TAdresatFrm::namesPart()
{
    auto *part = new QWidget(Form());
    EdNazwa = Named(new NameLine(part), "EdNazwa");
    EdNazwa1_Odb = Named(new NameLine(part), "EdNazwa1_Odb");
    EdNazwa2_Odb = Named(new NameLine(part), "EdNazwa2_Odb");
    auto *CopyBtn = Named(new QToolButton(part), "CopyBtn");
    CopyBtn->setText(QStringLiteral("Kopiuj"));
    CopyBtn->setAutoRaise(true);
    CopyBtn->setFocusPolicy(Qt::NoFocus);
    EdNazwa1_Nad = Named(new NameLine(part), "EdNazwa1_Nad");
    EdNazwa2_Nad = Named(new NameLine(part), "EdNazwa2_Nad");
    EdKonto = Named(new AccountEdit(part), "EdKonto");
    for (QLineEdit *line : {EdNazwa, static_cast<QLineEdit *>(EdNazwa1_Odb)})
        line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 42);

    auto *layout = new QGridLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto addCaption = [&](const QString &text, QWidget *field) {
        layout->addWidget(Caption(text, field, part), row++, 0, 1, 2);
    };
    // Each name line with its counter beside it: lbNazwa1_Odb beside EdNazwa1_Odb.
    const auto addNameLine = [&](NameLine *line) {
        layout->addWidget(line, row, 0);
        auto *counter = new LengthCounter(line, part);
        counter->setObjectName(QStringLiteral("lb") + line->objectName().mid(2));
        layout->addWidget(counter, row++, 1);
    };
    addCaption(QStringLiteral("&Nazwa kontrahenta (identyfikator)"), EdNazwa);
    layout->addWidget(EdNazwa, row++, 0);
    addCaption(QStringLiteral("Nazwa kontrahenta gdy występuje jako &odbiorca przelewu (wpłaty)"), EdNazwa1_Odb);
    addNameLine(EdNazwa1_Odb);
    addNameLine(EdNazwa2_Odb);
    layout->addWidget(CopyBtn, row++, 0, Qt::AlignLeft);
    addCaption(QStringLiteral("Nazwa kontrahenta gdy występuje jako zleceniodawca przelewu (wpłaty)"), EdNazwa1_Nad);
    addNameLine(EdNazwa1_Nad);
    addNameLine(EdNazwa2_Nad);
    addCaption(QStringLiteral("Numer rachunku bankowego"), EdKonto);
    layout->addWidget(EdKonto, row++, 0);

    BindLine(EdNazwa, QStringLiteral("NAZWA"));
    BindLine(EdNazwa1_Odb, QStringLiteral("NAZWA1_ODB"));
    BindLine(EdNazwa2_Odb, QStringLiteral("NAZWA2_ODB"));
    BindLine(EdNazwa1_Nad, QStringLiteral("NAZWA1_NAD"));
    BindLine(EdNazwa2_Nad, QStringLiteral("NAZWA2_NAD"));
    BindAccount(EdKonto, QStringLiteral("KONTO"));
    connect(CopyBtn, &QToolButton::clicked, this, &TAdresatFrm::CopyBtnClick);
    return part;
}

QWidget *TAdresatFrm::numbersPart()
{
    auto *part = new QGroupBox(QStringLiteral("Numery identyfikacyjne"), Form());
    EdNIP = Named(new QLineEdit(part), "EdNIP");
    EdRegon = Named(new QLineEdit(part), "EdRegon");
    EdPesel = Named(new QLineEdit(part), "EdPesel");
    EdPesel->setInputMask(QStringLiteral("00000000000;_"));
    EdTypIdentyf = Named(new QComboBox(part), "EdTypIdentyf");
    for (const auto &[code, entry] : IdentifierTypes)
        EdTypIdentyf->addItem(QString::fromUtf8(entry), QString::fromLatin1(code));

    auto *layout = new QGridLayout(part);
    layout->addWidget(Caption(QStringLiteral("NIP"), EdNIP, part), 0, 0);
    layout->addWidget(EdNIP, 0, 1);
    layout->addWidget(Caption(QStringLiteral("REGON"), EdRegon, part), 1, 0);
    layout->addWidget(EdRegon, 1, 1);
    layout->addWidget(Caption(QStringLiteral("PESEL"), EdPesel, part), 2, 0);
    layout->addWidget(EdPesel, 2, 1);
    layout->addWidget(Caption(QStringLiteral("Domyślny typ identyfikatora na formularzu PODATKI"), EdTypIdentyf, part),
                      3, 0, 1, 2);
    layout->addWidget(EdTypIdentyf, 4, 0, 1, 2);

    // NIP and REGON are kept as typed, as far as their columns reach.
    BindLine(EdNIP, QStringLiteral("NIP"));
    BindLine(EdRegon, QStringLiteral("REGON"));
    BindLine(EdPesel, QStringLiteral("PESEL"));
    // An empty or unknown stored type shows and is stored again as "(brak)", "B".
    Bind(QStringLiteral("TYPIDENTYF"), [this] { return EdTypIdentyf->currentData(); },
         [this](const QVariant &value) {
             const QString code = value.toString().left(1);
             EdTypIdentyf->setCurrentIndex(code.isEmpty() ? 0 : qMax(EdTypIdentyf->findData(code), 0));
         },
         QStringLiteral("B"));
    return part;
}

QWidget *TAdresatFrm::contactPart()
{
    auto *part = new QGroupBox(QStringLiteral("Kontakt"), Form());
    auto *layout = new QGridLayout(part);
    const std::pair<const char *, const char *> fields[] = {
        {"Telefon", "TELEFON"}, {"Komórka", "KOMORKA"}, {"Faks", "FAKS"}, {"E-mail", "EMAIL"}};
    const char *names[] = {"EdTelefon", "EdKomorka", "EdFaks", "EdEmail"};
    int row = 0;
    for (const auto &[label, column] : fields) {
        auto *line = Named(new NameLine(part), names[row]);
        layout->addWidget(Caption(QString::fromUtf8(label), line, part), row, 0);
        layout->addWidget(line, row++, 1);
        BindLine(line, QString::fromLatin1(column));
    }
    return part;
}

QWidget *TAdresatFrm::signaturesPart(const QString &caption, const char *suffix)
{
    auto *part = new QGroupBox(caption, Form());
    auto *layout = new QVBoxLayout(part);
    for (const char *line : {"A", "B", "C"}) {
        const QString name = QStringLiteral("EdPodpis%1_%2").arg(QLatin1String(line), QLatin1String(suffix));
        auto *edit = new NameLine(part, SignatureLength);
        edit->setObjectName(name);
        layout->addWidget(edit);
        BindLine(edit, QStringLiteral("PODPIS_%1_%2").arg(QLatin1String(line), QString::fromLatin1(suffix).toUpper()));
    }
    return part;
}

void TAdresatFrm::CopyBtnClick()
{
    EdNazwa1_Nad->setText(EdNazwa1_Odb->text());
    EdNazwa2_Nad->setText(EdNazwa2_Odb->text());
}
