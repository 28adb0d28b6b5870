#pragma once

#include "NameLine.h"

#include <QList>
#include <QString>
#include <utility>
#include <optional>

class QComboBox;
class QLineEdit;
class TUrzad;
struct ContractorChoice;
struct TaxAuthorityChoice;

// The lists and lines peculiar to a tax order, and the rules by which a chosen tax
// authority or payer fills them. Lists carry their stored one-character code as item data.

// A fixed drop-down list whose entries carry the code that is stored as their item data.
QComboBox *NewCodedList(QWidget *parent, const char *name, const QList<std::pair<QString, QString>> &entries);

// Upper-cases what the user types, one character for one, keeping the cursor where it was.
void TypeUpperCase(QLineEdit *line);

// "Rodzaj rachunku" (EdRodzajRach): "PIT", "VAT", "CIT", "PCC", "(inny)", stored as P, V, C, K, I.
QComboBox *NewAccountKindList(QWidget *parent);
// "Typ identyfikatora" (EdTyp): "N - NIP", "R - REGON", "P - PESEL", "1 - Dowód osobisty", "2 - Paszport",
// "3 - Inny dokument tożsamości".
QComboBox *NewIdentifierTypeList(QWidget *parent);
// "Symbol formularza lub płatności" (EdSymbol): free text of at most 6 characters in
// upper case, or one of the usual symbols.
QComboBox *NewFormSymbolList(QWidget *parent);
// "Identyfikacja zobowiązania" (EdIdentyfZobow): at most 21 characters, upper case.
QLineEdit *NewObligationLine(QWidget *parent);

// The stored code of the selected entry; empty when none is selected.
QString SelectedCode(const QComboBox *list);
// Selects the entry whose stored code equals the text; any other value selects none.
// Silent: signals are held, so that no handler meant for the user runs.
void SelectCode(QComboBox *list, const QString &code);

inline const QString OtherAccountKind = QStringLiteral("I");
inline const QString NipType = QStringLiteral("N");

// The five accounts of the tax authority chosen last (or of a stored transfer's authority).
struct AuthorityAccounts
{
    QString Pit, Cit, Vat, Pcc, Bud;

    static AuthorityAccounts Of(const TaxAuthorityChoice &choice);
    static AuthorityAccounts Of(const TUrzad &authority);

    // The account that the kind puts into the recipient account field, or none when the
    // field keeps its text. "(inny)" keeps it, unless otherGivesPit (the templates).
    std::optional<QString> ForKind(const QString &kindCode, bool otherGivesPit) const;
};

// The identification numbers of the payer chosen last in the window.
struct PayerNumbers
{
    QString Nip, Regon, Pesel;

    static PayerNumbers Of(const ContractorChoice &choice);

    // What the identifier type puts into the identifier field: the NIP without its
    // separators, the REGON or the PESEL as stored; none for the other types.
    std::optional<QString> ForType(const QString &typeCode) const;
};

// "Okres" (EdOkres): at most 7 characters, typed letters in upper case, and a chooser
// button that composes the code in the period dialog.
class PeriodLine : public NameLine
{
    Q_OBJECT

public:
    explicit PeriodLine(QWidget *parent = nullptr);

    // Opens the period dialog on the field's code; on confirmation the field takes the
    // composed code.
    void EdOkresButtonClick();
};
