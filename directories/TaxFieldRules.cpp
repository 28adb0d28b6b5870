#include "TaxFieldRules.h"

#include "Choices.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "TOkresFrm.h"
#include "Typy.h"
#include "UpperCase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>

namespace {

// A typed symbol takes at most 6 characters; an entry of the list may be longer ("PIT-36L").
class FormSymbolValidator : public QValidator
{
public:
    FormSymbolValidator(const QStringList &entries, QObject *parent) : QValidator(parent), entries_(entries) {}

    State validate(QString &input, int &) const override
    {
        if (input.size() <= TypedLength)
            return Acceptable;
        for (const QString &entry : entries_)
            if (entry.compare(input, Qt::CaseInsensitive) == 0)
                return Acceptable;
        return Invalid;
    }

private:
    static constexpr int TypedLength = 6;
    QStringList entries_;
};

}

QComboBox *NewCodedList(QWidget *parent, const char *name, const QList<std::pair<QString, QString>> &entries)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const auto &[caption, code] : entries)
        list->addItem(caption, code);
    return list;
}

void TypeUpperCase(QLineEdit *line)
{
    QObject::connect(line, &QLineEdit::textEdited, line, [line](const QString &text) {
        const QString upper = UpperCp1250(text);
        if (upper == text)
            return;
        const int cursor = line->cursorPosition();
        line->setText(upper);
        line->setCursorPosition(cursor);
    });
}

QComboBox *NewAccountKindList(QWidget *parent)
{
    return NewCodedList(parent, "EdRodzajRach",
                     {{QStringLiteral("PIT"), QStringLiteral("P")},
                      {QStringLiteral("VAT"), QStringLiteral("V")},
                      {QStringLiteral("CIT"), QStringLiteral("C")},
                      {QStringLiteral("PCC"), QStringLiteral("K")},
                      {QStringLiteral("(inny)"), OtherAccountKind}});
}

QComboBox *NewIdentifierTypeList(QWidget *parent)
{
    return NewCodedList(parent, "EdTyp",
                     {{QStringLiteral("N - NIP"), NipType},
                      {QStringLiteral("R - REGON"), QStringLiteral("R")},
                      {QStringLiteral("P - PESEL"), QStringLiteral("P")},
                      {QStringLiteral("1 - Dowód osobisty"), QStringLiteral("1")},
                      {QStringLiteral("2 - Paszport"), QStringLiteral("2")},
                      {QStringLiteral("3 - Inny dokument tożsamości"), QStringLiteral("3")}});
}

QComboBox *NewFormSymbolList(QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("EdSymbol"));
    list->setEditable(true);
    // A typed symbol is what is stored; it never becomes an entry of the list.
    list->setInsertPolicy(QComboBox::NoInsert);
    const QStringList entries{QStringLiteral("PIT-4"), QStringLiteral("PIT-5"), QStringLiteral("PIT-5L"),
                              QStringLiteral("PIT-28"), QStringLiteral("PIT-36"), QStringLiteral("PIT-36L"),
                              QStringLiteral("PIT-37"), QStringLiteral("PIT-38"), QStringLiteral("PPE"),
                              QStringLiteral("VAT-7"), QStringLiteral("CIT-2"), QStringLiteral("CIT-8"),
                              QStringLiteral("PCC-1"), QStringLiteral("PCC-2")};
    list->addItems(entries);
    list->setMaxVisibleItems(16);
    list->setValidator(new FormSymbolValidator(entries, list));
    list->setCurrentIndex(-1);
    TypeUpperCase(list->lineEdit());
    return list;
}

QLineEdit *NewObligationLine(QWidget *parent)
{
    auto *line = new QLineEdit(parent);
    line->setObjectName(QStringLiteral("EdIdentyfZobow"));
    line->setMaxLength(21);
    TypeUpperCase(line);
    return line;
}

QString SelectedCode(const QComboBox *list)
{
    return list->currentIndex() < 0 ? QString() : list->currentData().toString();
}

void SelectCode(QComboBox *list, const QString &code)
{
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(code.isEmpty() ? -1 : list->findData(code));
}

AuthorityAccounts AuthorityAccounts::Of(const TaxAuthorityChoice &choice)
{
    return {choice.KONTOPIT, choice.KONTOCIT, choice.KONTOVAT, choice.KONTOPCC, choice.KONTOBUD};
}

AuthorityAccounts AuthorityAccounts::Of(const TUrzad &authority)
{
    return {authority.AccountPit, authority.AccountCit, authority.AccountVat, authority.AccountPcc,
            authority.AccountBud};
}

std::optional<QString> AuthorityAccounts::ForKind(const QString &kindCode, bool otherGivesPit) const
{
    if (kindCode == QLatin1String("P"))
        return Pit;
    if (kindCode == QLatin1String("V"))
        return Vat;
    if (kindCode == QLatin1String("C"))
        return Cit;
    if (kindCode == QLatin1String("K"))
        return Pcc;
    if (kindCode == OtherAccountKind && otherGivesPit)
        return Pit;
    return std::nullopt;
}

PayerNumbers PayerNumbers::Of(const ContractorChoice &choice)
{
    return {choice.NIP, choice.REGON, choice.PESEL};
}

std::optional<QString> PayerNumbers::ForType(const QString &typeCode) const
{
    if (typeCode == NipType)
        return StripSeparators(Nip);
    if (typeCode == QLatin1String("R"))
        return Regon;
    if (typeCode == QLatin1String("P"))
        return Pesel;
    return std::nullopt;
}

PeriodLine::PeriodLine(QWidget *parent) : NameLine(parent, 7)
{
    setObjectName(QStringLiteral("EdOkres"));
    AddChooserButton();
    TypeUpperCase(this);
    ConnectGuarded(this, &NameLine::chooserClicked, this, &PeriodLine::EdOkresButtonClick);
}

void PeriodLine::EdOkresButtonClick()
{
    TOkresFrm dialog(window());
    dialog.LoadPeriod(text());
    if (ModalSeam::run(dialog) == QDialog::Accepted)
        setText(dialog.PeriodCode());
}
