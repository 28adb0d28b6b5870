#include "FSzukajFrm.h"

#include "ErrorReport.h"
#include "FDM.h"
#include "ModalSeam.h"
#include "TextMatcher.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

TSzukajFrm *SzukajFrm = nullptr;

namespace {

struct SearchedColumn
{
    const char *item;
    const char *field;
};

// By position in the column list; the ZUS list has no recipient, so it offers the first two.
constexpr SearchedColumn Columns[] = {
    {"Zleceniodawca", "NAZWA1_NAD"},
    {"Zleceniodawca cd.", "NAZWA2_NAD"},
    {"Odbiorca", "NAZWA1_ODB"},
    {"Odbiorca cd.", "NAZWA2_ODB"},
};
constexpr int ZusColumns = 2;

constexpr int LargerFontPixels = 15;

const QString KeyField = QStringLiteral("PRZELEWID");

// The grids of a list stop repainting while the scan walks it, and come back
// whatever ends the scan.
class SuspendedViews
{
public:
    explicit SuspendedViews(Dataset &list) : list_(list) { list_.disableControls(); }
    ~SuspendedViews() { list_.enableControls(); }
    SuspendedViews(const SuspendedViews &) = delete;
    SuspendedViews &operator=(const SuspendedViews &) = delete;

private:
    Dataset &list_;
};

// Walks the list from its first row, or from the row after the current one, and
// stops on the first match; never wraps round to the top. False, with the list past
// its end (on its last row), when nothing matched.
bool scan(Dataset &list, int column, const TextMatcher &matcher, bool fromBeginning)
{
    if (fromBeginning)
        list.setCurrentRow(0);
    else if (!list.next())
        return false;
    if (list.currentRow() < 0)
        return false;
    do {
        if (matcher.matches(list.valueAt(list.currentRow(), column).toString()))
            return true;
    } while (list.next());
    return false;
}

}

TSzukajFrm::TSzukajFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SzukajFrm"));
    setWindowTitle(QStringLiteral("Szukaj"));

    QFont larger = font();
    larger.setPixelSize(LargerFontPixels);

    EdTekst = new QLineEdit(this);
    EdTekst->setObjectName(QStringLiteral("EdTekst"));
    EdTekst->setFont(larger);
    auto *tekstLabel = new QLabel(QStringLiteral("Szukany &tekst"), this);
    tekstLabel->setBuddy(EdTekst);

    EdPole = new QComboBox(this);
    EdPole->setObjectName(QStringLiteral("EdPole"));
    EdPole->setEditable(false);
    EdPole->setFont(larger);
    auto *poleLabel = new QLabel(QStringLiteral("&Kolumna"), this);
    poleLabel->setBuddy(EdPole);

    auto *options = new QGroupBox(QStringLiteral("Opcje"), this);
    options->setObjectName(QStringLiteral("GroupBox1"));
    EdCaps = new QCheckBox(QStringLiteral("Wielkość liter istotana"), options);
    EdCaps->setObjectName(QStringLiteral("EdCaps"));
    EdCzesc = new QCheckBox(QStringLiteral("Fragment tekstu"), options);
    EdCzesc->setObjectName(QStringLiteral("EdCzesc"));
    EdCzesc->setChecked(true);
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(EdCaps);
    optionsLayout->addWidget(EdCzesc);

    auto *start = new QGroupBox(QStringLiteral("Rozpocznij od"), this);
    start->setObjectName(QStringLiteral("StartBox"));
    StartBox = new QButtonGroup(start);
    auto *startLayout = new QVBoxLayout(start);
    const QString startItems[] = {QStringLiteral("bieżącej pozycji"), QStringLiteral("początku")};
    for (int item = 0; item < 2; ++item) {
        auto *radio = new QRadioButton(startItems[item], start);
        radio->setObjectName(QStringLiteral("StartBox%1").arg(item));
        StartBox->addButton(radio, item);
        startLayout->addWidget(radio);
    }
    StartBox->button(FromBeginning)->setChecked(true);

    PostBtn = new QPushButton(QStringLiteral("&Szukaj"), this);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &TSzukajFrm::PostBtnClick);
    // QDialog treats Escape as reject, which is what "Anuluj" does.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QVBoxLayout;
    fields->addWidget(tekstLabel);
    fields->addWidget(EdTekst);
    fields->addWidget(poleLabel);
    fields->addWidget(EdPole);
    auto *groups = new QHBoxLayout;
    groups->addWidget(options);
    groups->addWidget(start);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
    SzukajFrm = this;
}

TSzukajFrm::~TSzukajFrm()
{
    if (SzukajFrm == this)
        SzukajFrm = nullptr;
}

void TSzukajFrm::FormCreate()
{
    lastColumn_.fill(0);
}

void TSzukajFrm::FormClose()
{
    lastColumn_[size_t(listKind_)] = EdPole->currentIndex();
}

void TSzukajFrm::SearchOrdinary() { showFor(Ordinary); }
void TSzukajFrm::SearchTax() { showFor(Tax); }
void TSzukajFrm::SearchZus() { showFor(Zus); }

void TSzukajFrm::showFor(Kind kind)
{
    listKind_ = kind;
    EdPole->clear();
    const int offered = kind == Zus ? ZusColumns : int(std::size(Columns));
    for (int position = 0; position < offered; ++position)
        EdPole->addItem(QString::fromUtf8(Columns[position].item));
    EdPole->setCurrentIndex(qBound(0, lastColumn_[size_t(kind)], offered - 1));
    if (const QScreen *desktop = screen())
        move(desktop->availableGeometry().center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
    ModalSeam::run(*this);
    FormClose();
}

Dataset &TSzukajFrm::list() const
{
    switch (listKind_) {
    case Tax: return DM->Podatkowe;
    case Zus: return DM->Zusowe;
    case Ordinary: break;
    }
    return DM->Zwykle;
}

void TSzukajFrm::PostBtnClick()
{
    const QString text = EdTekst->text();
    if (text.isEmpty()) {
        DM->ShowWarning(QStringLiteral("Należy wprowadzić szukany tekst."));
        EdTekst->setFocus();
        return;
    }
    const TextMatcher matcher(text, EdCaps->isChecked(), EdCzesc->isChecked());
    Dataset &searched = list();
    const int column = searched.fieldIndex(QString::fromLatin1(Columns[qMax(0, EdPole->currentIndex())].field));
    bool found = false;
    {
        SuspendedViews suspended(searched);
        const QVariant remembered = searched.value(KeyField);
        found = scan(searched, column, matcher, StartBox->checkedId() == FromBeginning);
        if (!found && remembered.isValid())
            searched.locate(KeyField, remembered);
    }
    if (!found)
        DM->ShowWarning(QStringLiteral("Nie znaleziono szukanej pozycji."));
    accept();
}
