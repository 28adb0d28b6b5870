#include "TUrzedyFrm.h"

#include "AccountEdit.h"
#include "FDM.h"
#include "FormParts.h"
#include "LengthCounter.h"
#include "NameLine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

TUrzedyFrm::TUrzedyFrm(QWidget *parent)
    : DirectoryEditor({.objectName = "TUrzedyFrm",
                       .caption = QStringLiteral("Organ podatkowy"),
                       .dataset = &DM->Urzedy,
                       .keyField = QStringLiteral("URZADID"),
                       .newId = [] { return DM->NewTaxOfficeId(); },
                       .afterStore = [](qint32 id) { DM->ReopenTaxOffices(id); }},
                      parent)
{
    QWidget *form = Form();
    EdNazwa = Named(new NameLine(form), "EdNazwa");
    EdNazwa->setMinimumWidth(EdNazwa->fontMetrics().averageCharWidth() * 42);

    auto *names = new QGroupBox(QStringLiteral("Formularz PODATKI"), form);
    EdNazwa1 = Named(new NameLine(names), "EdNazwa1");
    EdNazwa2 = Named(new NameLine(names), "EdNazwa2");
    auto *namesLayout = new QGridLayout(names);
    namesLayout->addWidget(Caption(QStringLiteral("Naz&wa i adres organu podatkowego"), EdNazwa1, names), 0, 0, 1, 2);
    namesLayout->addWidget(EdNazwa1, 1, 0);
    namesLayout->addWidget(Named(new LengthCounter(EdNazwa1, names), "lbNazwa1"), 1, 1);
    namesLayout->addWidget(EdNazwa2, 2, 0);
    namesLayout->addWidget(Named(new LengthCounter(EdNazwa2, names), "lbNazwa2"), 2, 1);

    auto *accounts = new QGroupBox(QStringLiteral("Numery rachunków bankowych"), form);
    auto *accountsLayout = new QVBoxLayout(accounts);
    const auto account = [&](const char *name, const QString &caption) {
        auto *field = Named(new AccountEdit(accounts), name);
        accountsLayout->addWidget(Caption(caption, field, accounts));
        accountsLayout->addWidget(field);
        return field;
    };
    EdKontoPIT = account("EdKontoPIT", QStringLiteral("Podatek dochodowy od osób fizycznych (&PIT, PIT-4, PIT-5)"));
    EdKontoCIT = account("EdKontoCIT", QStringLiteral("Podatek dochodowy od osób prawnych (&CIT)"));
    EdKontoVAT = account("EdKontoVAT", QStringLiteral("Podatek od towarów i usług (&VAT)"));
    EdKontoPCC = account("EdKontoPCC", QStringLiteral("Podatek od czynności cywilno-prawnych, &karta podatkowa"));
    EdKontoBud = account("EdKontoBud", QStringLiteral("Dochody państwowych jednostek &budżetowych"));

    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Caption(QStringLiteral("&Nazwa organu podatkowego (identyfikator)"), EdNazwa, form));
    layout->addWidget(EdNazwa);
    layout->addWidget(names);
    layout->addWidget(accounts);

    SetNameField(EdNazwa);
    BindLine(EdNazwa, QStringLiteral("NAZWA"));
    BindLine(EdNazwa1, QStringLiteral("NAZWA1"));
    BindLine(EdNazwa2, QStringLiteral("NAZWA2"));
    BindAccount(EdKontoPIT, QStringLiteral("KONTOPIT"));
    BindAccount(EdKontoCIT, QStringLiteral("KONTOCIT"));
    BindAccount(EdKontoVAT, QStringLiteral("KONTOVAT"));
    BindAccount(EdKontoPCC, QStringLiteral("KONTOPCC"));
    BindAccount(EdKontoBud, QStringLiteral("KONTOBUD"));
    RequireLine(EdNazwa, QStringLiteral("Nazwa organu podatkowego musi być podana."));
}
