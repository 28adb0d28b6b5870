#include "OrdinaryOrderFields.h"

#include "AccountEdit.h"
#include "Choices.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FieldLeave.h"
#include "FormParts.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "OperationKind.h"
#include "TWybierzAdresatFrm.h"
#include "TWybierzTytulFrm.h"
#include "Typy.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

OrdinaryOrderFields::OrdinaryOrderFields(QWidget *form, Captions captions)
    : QObject(form), form_(form), captions_(std::move(captions))
{
    EdNazwa1_Odb = Named(new NameLine(form), "EdNazwa1_Odb");
    EdNazwa2_Odb = Named(new NameLine(form), "EdNazwa2_Odb");
    EdKonto_Odb = Named(new AccountEdit(form), "EdKonto_Odb");
    EdOperacja = new OperationKind(form);
    EdKwota = Named(new MoneyEdit(form), "EdKwota");
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

    const auto chooser = [this](NameLine *line, void (OrdinaryOrderFields::*choose)()) {
        line->AddChooserButton();
        ConnectGuarded(line, &NameLine::chooserClicked, this, choose);
    };
    chooser(EdNazwa1_Odb, &OrdinaryOrderFields::OdbiorcaBtnClick);
    chooser(EdNazwa2_Odb, &OrdinaryOrderFields::OdbiorcaBtnClick);
    chooser(EdNazwa1_Nad, &OrdinaryOrderFields::NadawcaBtnClick);
    chooser(EdNazwa2_Nad, &OrdinaryOrderFields::NadawcaBtnClick);
    chooser(EdTytul1, &OrdinaryOrderFields::TytulBtnClick);
    chooser(EdTytul2, &OrdinaryOrderFields::TytulBtnClick);
    OnFieldLeave(EdKonto_Odb, [this] { warnOfAnotherPayersZusAccount(); });
}

void OrdinaryOrderFields::warnOfAnotherPayersZusAccount()
{
    const QString account = EdKonto_Odb->Digits();
    if (!IsZusContributionAccount(account) || !IsValidAccount(account))
        return;
    const QString senderNip = DigitsOnly(ValidContractorNip(NadawcaId));
    if (senderNip.isEmpty() || account.right(10) == senderNip)
        return;
    DM->ShowWarning(QStringLiteral("Rachunek odbiorcy to rachunek składkowy ZUS, a jego ostatnie dziesięć cyfr (%1) "
                                   "nie są numerem NIP zleceniodawcy (%2). Sprawdź, czy to rachunek składkowy "
                                   "tego płatnika, a nie innego.")
                        .arg(account.right(10), senderNip));
}

void OrdinaryOrderFields::SetSenderField(QLineEdit *field, std::function<void(const QString &account)> takeAccount)
{
    EdKonto_Nad = field;
    takeSenderAccount_ = std::move(takeAccount);
}

void OrdinaryOrderFields::AddRows(QGridLayout *grid, int &row) const
{
    const auto captionRow = [&](const QString &text, QWidget *buddy) {
        grid->addWidget(Caption(text, buddy, form_), row++, 0, 1, 2);
    };
    const auto lineRow = [&](QWidget *line, QWidget *counter) {
        grid->addWidget(line, row, 0);
        if (counter)
            grid->addWidget(counter, row, 1);
        ++row;
    };
    auto *kindAndAmount = new QHBoxLayout;
    auto *amount = new QVBoxLayout;
    amount->addStretch();
    amount->addWidget(Caption(QStringLiteral("&Kwota"), EdKwota, form_));
    amount->addWidget(EdKwota);
    kindAndAmount->addWidget(EdOperacja);
    kindAndAmount->addLayout(amount);

    captionRow(captions_.recipient, EdNazwa1_Odb);
    lineRow(EdNazwa1_Odb, lbNazwa1_Odb);
    lineRow(EdNazwa2_Odb, lbNazwa2_Odb);
    captionRow(captions_.recipientAccount, EdKonto_Odb);
    lineRow(EdKonto_Odb, nullptr);
    grid->addLayout(kindAndAmount, row++, 0);
    captionRow(captions_.senderAccount, EdKonto_Nad);
    lineRow(EdKonto_Nad, nullptr);
    captionRow(QStringLiteral("Nazwa zleceniodawcy"), EdNazwa1_Nad);
    lineRow(EdNazwa1_Nad, lbNazwa1_Nad);
    lineRow(EdNazwa2_Nad, lbNazwa2_Nad);
    captionRow(captions_.title, EdTytul1);
    lineRow(EdTytul1, lbTytul1);
    lineRow(EdTytul2, lbTytul2);
}

QList<QWidget *> OrdinaryOrderFields::FocusChain() const
{
    return {EdNazwa1_Odb, EdNazwa2_Odb, EdKonto_Odb, EdOperacja->findChild<QWidget *>(QStringLiteral("Wplata")),
            EdOperacja->findChild<QWidget *>(QStringLiteral("Przelew")), EdKwota, EdKonto_Nad, EdNazwa1_Nad,
            EdNazwa2_Nad, EdTytul1, EdTytul2};
}

void OrdinaryOrderFields::OdbiorcaBtnClick()
{
    const auto chosen = ChooseAgain<TWybierzAdresatFrm>(form_->window(), OdbiorcaId, &ContractorChoice::ADRESATID);
    if (!chosen)
        return;
    EdNazwa1_Odb->setText(chosen->NAZWA1_ODB);
    EdNazwa2_Odb->setText(chosen->NAZWA2_ODB);
    EdKonto_Odb->SetDigits(chosen->KONTO);
    EdKonto_Odb->Check();
}

void OrdinaryOrderFields::NadawcaBtnClick()
{
    const auto chosen = ChooseAgain<TWybierzAdresatFrm>(form_->window(), NadawcaId, &ContractorChoice::ADRESATID);
    if (!chosen)
        return;
    EdNazwa1_Nad->setText(chosen->NAZWA1_NAD);
    EdNazwa2_Nad->setText(chosen->NAZWA2_NAD);
    if (takeSenderAccount_)
        takeSenderAccount_(chosen->KONTO);
}

void OrdinaryOrderFields::TytulBtnClick()
{
    const auto chosen = ChooseAgain<TWybierzTytulFrm>(form_->window(), TytulId, &TitleChoice::TYTULID);
    if (!chosen)
        return;
    EdTytul1->setText(chosen->TYTUL1);
    EdTytul2->setText(chosen->TYTUL2);
}
