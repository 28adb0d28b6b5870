#include "TOkresFrm.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The masked fields show '_' in unfilled positions; the code holds blanks there.
constexpr QChar MaskBlank = u'_';

QLineEdit *digitField(const QString &name, int positions, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    // '0': a digit is allowed but not required, so a partly filled field is accepted.
    field->setInputMask(QString(positions, u'0') + u';' + MaskBlank);
    return field;
}

// Code blanks become mask blanks, so that each character keeps its position.
void setPositions(QLineEdit *field, const QString &text)
{
    field->setText(QString(text).replace(u' ', MaskBlank));
}

QString positions(const QLineEdit *field)
{
    return field->displayText().replace(MaskBlank, u' ');
}

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}

TOkresFrm::TOkresFrm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("OkresFrm"));
    setWindowTitle(QStringLiteral("Okres"));

    EdRok = digitField(QStringLiteral("EdRok"), 2, this);
    EdTyp = new QComboBox(this);
    EdTyp->setObjectName(QStringLiteral("EdTyp"));
    EdTyp->setEditable(false);
    EdTyp->addItems({QStringLiteral("R - rok"), QStringLiteral("P - półrocze"),
                     QStringLiteral("K - kwartał"), QStringLiteral("M - miesiąc"),
                     QStringLiteral("D - dekada"), QStringLiteral("J - dzień")});
    EdTyp->setCurrentIndex(-1);
    EdNrOkresu = digitField(QStringLiteral("EdNrOkresu"), 4, this);

    WstawRokBtn = new QPushButton(QStringLiteral("&Wstaw"), this);
    WstawRokBtn->setObjectName(QStringLiteral("WstawRokBtn"));
    WstawRokBtn->setAutoDefault(false);
    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->addWidget(buddyLabel(QStringLiteral("&Rok"), EdRok, this), 0, 0);
    fields->addWidget(EdRok, 0, 1);
    fields->addWidget(WstawRokBtn, 1, 1);
    fields->addWidget(buddyLabel(QStringLiteral("&Typ okresu"), EdTyp, this), 2, 0);
    fields->addWidget(EdTyp, 2, 1);
    fields->addWidget(buddyLabel(QStringLiteral("&Nr okresu"), EdNrOkresu, this), 3, 0);
    fields->addWidget(EdNrOkresu, 3, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(EdRok, EdTyp);
    setTabOrder(EdTyp, EdNrOkresu);
    setTabOrder(EdNrOkresu, WstawRokBtn);
    setTabOrder(WstawRokBtn, PostBtn);
    setTabOrder(PostBtn, CancelBtn);

    connect(WstawRokBtn, &QPushButton::clicked, this, &TOkresFrm::WstawRokBtnClick);
    connect(PostBtn, &QPushButton::clicked, this, &TOkresFrm::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TOkresFrm::ShowPeriod(const QString &code)
{
    LoadPeriod(code);
    EdRok->setFocus();
    return exec() == QDialog::Accepted;
}

void TOkresFrm::LoadPeriod(const QString &code)
{
    setPositions(EdRok, code.left(2));
    EdTyp->setCurrentIndex(-1);
    if (code.size() >= 3)
        for (int i = 0; i < EdTyp->count(); ++i)
            if (EdTyp->itemText(i).at(0) == code.at(2))
                EdTyp->setCurrentIndex(i);
    setPositions(EdNrOkresu, code.mid(3, 4));
}

QString TOkresFrm::PeriodCode() const
{
    const QString kind = EdTyp->currentIndex() >= 0 ? EdTyp->currentText().left(1) : QString();
    return positions(EdRok) + kind + positions(EdNrOkresu);
}

void TOkresFrm::WstawRokBtnClick()
{
    setPositions(EdRok, QString::number(QDate::currentDate().year() % 100).rightJustified(2, u'0'));
}

void TOkresFrm::PostBtnClick()
{
    accept();
}
