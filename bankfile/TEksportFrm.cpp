#include "TEksportFrm.h"

#include "BankFile.h"
#include "DateValue.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "ModalSeam.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"),
                     QStringLiteral("Zanderol"));
}

const QString CodePageKey = QStringLiteral("Eksport/StronaKodowa");
const QString ProfileKey = QStringLiteral("Eksport/Profil");

QString shownDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

}

TEksportFrm::TEksportFrm(BankList list, const QList<qint32> &ids, QWidget *parent)
    : QDialog(parent), list_(list), ids_(ids)
{
    setObjectName(QStringLiteral("TEksportFrm"));
    setWindowTitle(QStringLiteral("Eksport do banku"));

    EdStronaKodowa = Named(new QComboBox(this), "EdStronaKodowa");
    for (const CodePage page : {CodePage::Windows1250, CodePage::Iso8859_2, CodePage::Cp852, CodePage::Utf8})
        EdStronaKodowa->addItem(CodePages::Caption(page), CodePages::Name(page));
    EdProfil = Named(new QComboBox(this), "EdProfil");
    for (const BankProfile &profile : BankProfile::All())
        EdProfil->addItem(profile.Caption, profile.Name);
    EdProfil->setEnabled(list == BankList::Tax);
    EdPlik = Named(new QLineEdit(this), "EdPlik");
    EdPlik->setMinimumWidth(EdPlik->fontMetrics().averageCharWidth() * 50);
    BrowseBtn = Named(new QPushButton(QStringLiteral("…"), this), "BrowseBtn");
    BrowseBtn->setAutoDefault(false);
    ExportBtn = Named(new QPushButton(QStringLiteral("&Eksportuj"), this), "ExportBtn");
    ExportBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("&Anuluj"), this), "CancelBtn");
    CancelBtn->setAutoDefault(false);

    const QSettings settings = userSettings();
    const int page = EdStronaKodowa->findData(settings.value(CodePageKey).toString());
    EdStronaKodowa->setCurrentIndex(page < 0 ? 0 : page);
    const int profile = EdProfil->findData(settings.value(ProfileKey).toString());
    EdProfil->setCurrentIndex(profile < 0 ? 0 : profile);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(EdPlik, 1);
    fileRow->addWidget(BrowseBtn);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Strona kodowa"), EdStronaKodowa);
    form->addRow(QStringLiteral("&Profil banku (przelewy podatkowe)"), EdProfil);
    form->addRow(QStringLiteral("P&lik"), fileRow);

    // The whole list is never taken for want of a selection: the user chooses it.
    RbZaznaczone = Named(new QRadioButton(QStringLiteral("&Zaznaczone przelewy: %1").arg(ids.size()), this),
                         "RbZaznaczone");
    RbZaznaczone->setEnabled(!ids.isEmpty());
    RbZaznaczone->setChecked(!ids.isEmpty());
    RbWszystkie = Named(new QRadioButton(QStringLiteral("&Wszystkie przelewy wykazu"), this), "RbWszystkie");
    auto *scope = new QButtonGroup(this);
    scope->addButton(RbZaznaczone);
    scope->addButton(RbWszystkie);
    auto *scopeColumn = new QVBoxLayout;
    scopeColumn->addWidget(RbZaznaczone);
    scopeColumn->addWidget(RbWszystkie);
    form->addRow(QStringLiteral("Eksport"), scopeColumn);

    GbPrzeszle = Named(new QGroupBox(QStringLiteral("Przelewy z datą przeszłą"), this), "GbPrzeszle");
    lbPrzeszle = Named(new QLabel(GbPrzeszle), "lbPrzeszle");
    lbPrzeszle->setWordWrap(true);
    RbPrzeszleDzis = Named(new QRadioButton(QStringLiteral("Przenieś na &dziś"), GbPrzeszle), "RbPrzeszleDzis");
    RbPrzeszlePomin = Named(new QRadioButton(QStringLiteral("Po&miń je"), GbPrzeszle), "RbPrzeszlePomin");
    auto *past = new QButtonGroup(this);
    past->addButton(RbPrzeszleDzis);
    past->addButton(RbPrzeszlePomin);
    auto *pastColumn = new QVBoxLayout(GbPrzeszle);
    pastColumn->addWidget(lbPrzeszle);
    pastColumn->addWidget(RbPrzeszleDzis);
    pastColumn->addWidget(RbPrzeszlePomin);
    GbPrzeszle->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ExportBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(GbPrzeszle);
    layout->addLayout(buttons);

    ConnectGuarded(RbZaznaczone, &QRadioButton::clicked, this, &TEksportFrm::ScopeClick);
    ConnectGuarded(RbWszystkie, &QRadioButton::clicked, this, &TEksportFrm::ScopeClick);
    ConnectGuarded(ExportBtn, &QPushButton::clicked, this, &TEksportFrm::ExportBtnClick);
    ConnectGuarded(BrowseBtn, &QPushButton::clicked, this, &TEksportFrm::BrowseBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TEksportFrm::ShowExport()
{
    written_ = 0;
    ScopeClick();
    return ModalSeam::run(*this) == QDialog::Accepted ? written_ : 0;
}

bool TEksportFrm::allChosen() const
{
    return RbWszystkie->isChecked();
}

QList<BankOrder> TEksportFrm::chosenOrders() const
{
    if (allChosen())
        return LoadBankOrders(list_, {});
    return RbZaznaczone->isChecked() ? LoadBankOrders(list_, ids_) : QList<BankOrder>();
}

void TEksportFrm::ScopeClick()
{
    showPastDated(PastDated(WithoutRefused(chosenOrders()), QDate::currentDate()));
}

void TEksportFrm::showPastDated(const QList<BankOrder> &past)
{
    lbPrzeszle->setText(PastDatedNames(past));
    GbPrzeszle->setVisible(!past.isEmpty());
    adjustSize();
}

bool TEksportFrm::confirmAll(const QList<BankOrder> &orders) const
{
    QDate first, last;
    int undated = 0;
    for (const BankOrder &order : orders) {
        if (!DateValue::isSet(order.TransferDate)) {
            ++undated;
            continue;
        }
        if (!first.isValid() || order.TransferDate < first)
            first = order.TransferDate;
        if (!last.isValid() || order.TransferDate > last)
            last = order.TransferDate;
    }
    QString what = QStringLiteral("Eksport obejmie wszystkie przelewy wykazu: %1").arg(orders.size());
    if (first.isValid())
        what += QStringLiteral(", z datą przelewu od %1 do %2").arg(shownDate(first), shownDate(last));
    if (undated > 0)
        what += QStringLiteral(", bez daty: %1").arg(undated);
    return DM->AskConfirmation(what + QStringLiteral(".\n\nWyeksportować je wszystkie?"));
}

void TEksportFrm::BrowseBtnClick()
{
    QFileDialog chooser(this, QStringLiteral("Plik do banku"), EdPlik->text());
    chooser.setObjectName(QStringLiteral("ExportFileDialog"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilters({QStringLiteral("Pliki Elixir-O (*.txt *.pli)"), QStringLiteral("Wszystkie pliki (*)")});
    if (ModalSeam::run(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        EdPlik->setText(chooser.selectedFiles().first());
}

void TEksportFrm::ExportBtnClick()
{
    const QString path = EdPlik->text().trimmed();
    if (path.isEmpty()) {
        DM->ShowWarning(QStringLiteral("Podaj nazwę pliku do banku."));
        EdPlik->setFocus();
        return;
    }
    const CodePage page = CodePages::FromName(EdStronaKodowa->currentData().toString()).value_or(CodePage::Windows1250);
    const BankProfile &profile = BankProfile::Named(EdProfil->currentData().toString());
    QSettings settings = userSettings();
    settings.setValue(CodePageKey, CodePages::Name(page));
    settings.setValue(ProfileKey, profile.Name);

    if (!RbZaznaczone->isChecked() && !allChosen()) {
        DM->ShowWarning(QStringLiteral("Wybierz, które przelewy wyeksportować: zaznaczone czy wszystkie z wykazu."));
        RbWszystkie->setFocus();
        return;
    }
    const QList<BankOrder> orders = chosenOrders();
    if (allChosen() && !orders.isEmpty() && !confirmAll(orders))
        return;
    const QDate today = QDate::currentDate();
    QList<BankOrder> kept = WithoutRefused(orders);
    if (const QList<BankOrder> past = PastDated(kept, today); !past.isEmpty()) {
        // Read again at this moment: the orders named when the window opened may have changed.
        showPastDated(past);
        if (!RbPrzeszleDzis->isChecked() && !RbPrzeszlePomin->isChecked()) {
            DM->ShowWarning(QStringLiteral("Przelewy z datą przeszłą: %1.\n"
                                           "Wybierz, czy przenieść je na dziś, czy pominąć.")
                                .arg(PastDatedNames(past)));
            RbPrzeszleDzis->setFocus();
            return;
        }
        if (RbPrzeszlePomin->isChecked())
            kept = WithoutPastDated(kept, today);
    }
    if (kept.isEmpty()) {
        QStringList reasons;
        for (const BankRefusal &refusal : BankRefusals(orders))
            reasons << refusal.Reason;
        DM->ShowWarning(QStringLiteral("Żaden przelew nie trafia do pliku do banku.") +
                        (reasons.isEmpty() ? QString() : QStringLiteral("\n\n") + reasons.join(u'\n')));
        return;
    }
    if (const QList<BankRefusal> refused = BankRefusals(orders); !refused.isEmpty()) {
        QStringList reasons;
        for (const BankRefusal &refusal : refused)
            reasons << refusal.Reason;
        if (!DM->AskConfirmation(QStringLiteral("Nie zostaną wyeksportowane:\n%1\n\nWyeksportować pozostałe przelewy (%2)?")
                                     .arg(reasons.join(u'\n'))
                                     .arg(kept.size())))
            return;
    }
    const auto file = WriteBankFile(kept, page, profile, today);
    if (const auto *fault = std::get_if<BankFileFault>(&file)) {
        DM->ShowWarning(fault->Message + QStringLiteral("\nPlik nie został zapisany."));
        return;
    }
    QString error;
    if (!SaveBankFile(path, std::get<QByteArray>(file), error)) {
        DM->ShowWarning(error);
        return;
    }
    written_ = int(kept.size());
    accept();
}
