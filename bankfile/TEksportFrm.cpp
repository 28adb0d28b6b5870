#include "TEksportFrm.h"

#include "BankFile.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "ModalSeam.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    const QString what = ids.isEmpty() ? QStringLiteral("wszystkie przelewy wykazu")
                                       : QStringLiteral("zaznaczone przelewy: %1").arg(ids.size());
    form->addRow(QStringLiteral("Eksport"), Named(new QLabel(what, this), "lbZakres"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ExportBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    ConnectGuarded(ExportBtn, &QPushButton::clicked, this, &TEksportFrm::ExportBtnClick);
    ConnectGuarded(BrowseBtn, &QPushButton::clicked, this, &TEksportFrm::BrowseBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TEksportFrm::ShowExport()
{
    written_ = 0;
    return ModalSeam::run(*this) == QDialog::Accepted ? written_ : 0;
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

    const QList<BankOrder> orders = LoadBankOrders(list_, ids_);
    const QList<BankOrder> kept = WithoutRefused(orders);
    if (kept.isEmpty()) {
        QStringList reasons;
        for (const BankRefusal &refusal : BankRefusals(orders))
            reasons << refusal.Reason;
        DM->ShowWarning(QStringLiteral("Żaden przelew nie nadaje się do pliku do banku.") +
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
    const auto file = WriteBankFile(kept, page, profile, QDate::currentDate());
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
