#include "FOdsetkiTbl.h"

#include "DatasetGrid.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FOdsetkiDet.h"
#include "Globals.h"
#include "InterestWalk.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "RateListPage.h"
#include "RegionalFormat.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QDateEdit *dateField(QWidget *parent, const char *name)
{
    auto *field = new QDateEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setCalendarPopup(true);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    field->setMinimumDate(QDate(1900, 1, 1));
    return field;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel *resultValue(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(140);
    return label;
}

Money checkedSum(Money a, Money b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.raw(), b.raw(), &sum))
        throw FbError(QStringLiteral("Kwota odsetek przekracza zakres obsługiwanych kwot."));
    return Money::fromRaw(sum);
}

}

TOdsetkiTbl::TOdsetkiTbl(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TOdsetkiTbl"));
    setWindowTitle(QStringLiteral("Odsetki"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(createCalculationPage(), QStringLiteral("&Obliczenie"));
    createRatePages();

    CloseBtn = pushButton(this, "CloseBtn", QStringLiteral("&Zamknij"));
    CloseBtn->setDefault(true);
    WstawPodatBtn = pushButton(this, "WstawPodatBtn", QStringLiteral("Wstaw podatkowe"));
    WstawUstawBtn = pushButton(this, "WstawUstawBtn", QStringLiteral("Wstaw ustawowe"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(CloseBtn);
    buttons->addWidget(WstawPodatBtn);
    buttons->addWidget(WstawUstawBtn);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // FormCreate: the details window lives as long as this one.
    Det = new TOdsetkiDet(this);
    for (QPushButton *button : {DetBtn, WstawPodatBtn, WstawUstawBtn})
        button->setEnabled(false);

    ConnectGuarded(ObliczBtn, &QPushButton::clicked, this, &TOdsetkiTbl::ObliczBtnClick);
    ConnectGuarded(DetBtn, &QPushButton::clicked, this, &TOdsetkiTbl::DetBtnClick);
    ConnectGuarded(WstawPodatBtn, &QPushButton::clicked, this, &TOdsetkiTbl::WstawPodatBtnClick);
    ConnectGuarded(WstawUstawBtn, &QPushButton::clicked, this, &TOdsetkiTbl::WstawUstawBtnClick);
    ConnectGuarded(CloseBtn, &QPushButton::clicked, this, &TOdsetkiTbl::CloseBtnClick);
    ConnectGuarded(PodatPage->InsertBtn, &QToolButton::clicked, this, &TOdsetkiTbl::InsertPodBtnClick);
    ConnectGuarded(PodatPage->EditBtn, &QToolButton::clicked, this, &TOdsetkiTbl::EditPodBtnClick);
    ConnectGuarded(PodatPage->DeleteBtn, &QToolButton::clicked, this, &TOdsetkiTbl::DeletePodBtnClick);
    ConnectGuarded(UstawPage->InsertBtn, &QToolButton::clicked, this, &TOdsetkiTbl::InsertUstBtnClick);
    ConnectGuarded(UstawPage->EditBtn, &QToolButton::clicked, this, &TOdsetkiTbl::EditUstBtnClick);
    ConnectGuarded(UstawPage->DeleteBtn, &QToolButton::clicked, this, &TOdsetkiTbl::DeleteUstBtnClick);
    ConnectGuarded(PodatPage->Grid, &DatasetGrid::doubleClicked, this, &TOdsetkiTbl::PodatGridDblClick);
    ConnectGuarded(UstawPage->Grid, &DatasetGrid::doubleClicked, this, &TOdsetkiTbl::UstawGridDblClick);
}

QWidget *TOdsetkiTbl::createCalculationPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabObliczenie"));
    EdTerminPlat = dateField(page, "EdTerminPlat");
    EdDataZapl = dateField(page, "EdDataZapl");
    EdKwota = new MoneyEdit(page);
    EdKwota->setObjectName(QStringLiteral("EdKwota"));
    ObliczBtn = pushButton(page, "ObliczBtn", QStringLiteral("Ob&licz"));
    DetBtn = pushButton(page, "DetBtn", QStringLiteral("Pokaż wyliczenie"));
    DetBtn->setToolTip(QStringLiteral("Pokaż szczegóły obliczeń"));
    PodatLbl = resultValue(page, "PodatLbl");
    PodRazLbl = resultValue(page, "PodRazLbl");
    UstawLbl = resultValue(page, "UstawLbl");
    UstRazLbl = resultValue(page, "UstRazLbl");

    auto *grid = new QGridLayout(page);
    int row = 0;
    const auto addRow = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, page);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    addRow(QStringLiteral("Termin płatności"), EdTerminPlat);
    addRow(QStringLiteral("Data zapłaty"), EdDataZapl);
    addRow(QStringLiteral("Kwota zaległości"), EdKwota);
    auto *actions = new QHBoxLayout;
    actions->addWidget(ObliczBtn);
    actions->addWidget(DetBtn);
    grid->addLayout(actions, row++, 0, 1, 2);
    addRow(QStringLiteral("Odsetki podatkowe"), PodatLbl);
    addRow(QStringLiteral("Do zapłaty"), PodRazLbl);
    addRow(QStringLiteral("Odsetki ustawowe"), UstawLbl);
    addRow(QStringLiteral("Do zapłaty"), UstRazLbl);
    grid->setRowStretch(row, 1);

    QWidget::setTabOrder(EdTerminPlat, EdDataZapl);
    QWidget::setTabOrder(EdDataZapl, EdKwota);
    QWidget::setTabOrder(EdKwota, ObliczBtn);
    QWidget::setTabOrder(ObliczBtn, DetBtn);
    return page;
}

void TOdsetkiTbl::createRatePages()
{
    PodatPage = new RateListPage(RateKind::Tax, {QStringLiteral("&Dodaj"), QStringLiteral("P&opraw"), QStringLiteral("Usuń")});
    UstawPage = new RateListPage(RateKind::Statutory, {QStringLiteral("Dodaj"), QStringLiteral("Popraw"), QStringLiteral("Usuń")});
    PodatPage->setObjectName(QStringLiteral("TabPodatkowe"));
    UstawPage->setObjectName(QStringLiteral("TabUstawowe"));
    PodatPage->InsertBtn->setObjectName(QStringLiteral("InsertPodBtn"));
    PodatPage->EditBtn->setObjectName(QStringLiteral("EditPodBtn"));
    PodatPage->DeleteBtn->setObjectName(QStringLiteral("DeletePodBtn"));
    PodatPage->Grid->setObjectName(QStringLiteral("PodatGrid"));
    UstawPage->InsertBtn->setObjectName(QStringLiteral("InsertUstBtn"));
    UstawPage->EditBtn->setObjectName(QStringLiteral("EditUstBtn"));
    UstawPage->DeleteBtn->setObjectName(QStringLiteral("DeleteUstBtn"));
    UstawPage->Grid->setObjectName(QStringLiteral("UstawGrid"));
    PageControl->addTab(PodatPage, QStringLiteral("&Podatkowe"));
    PageControl->addTab(UstawPage, QStringLiteral("&Ustawowe"));
}

void TOdsetkiTbl::ShowCalculator()
{
    showWindow(false);
}

bool TOdsetkiTbl::ShowForTransfer()
{
    return showWindow(true) == QDialog::Accepted;
}

int TOdsetkiTbl::showWindow(bool offerInsert)
{
    OfferInsert = offerInsert;
    OpenRateLists();
    EdTerminPlat->setDate(QDate(QDate::currentDate().year(), 1, 2));
    EdDataZapl->setDate(QDate::currentDate());
    for (QLabel *value : {PodatLbl, PodRazLbl, UstawLbl, UstRazLbl})
        value->clear();
    WstawPodatBtn->setVisible(OfferInsert);
    WstawUstawBtn->setVisible(OfferInsert);
    PageControl->setCurrentIndex(0);
    EdTerminPlat->setFocus();

    adjustSize();
    if (const QScreen *desktop = screen() ? screen() : QGuiApplication::primaryScreen())
        move(desktop->availableGeometry().center() - rect().center());
    return ModalSeam::run(*this);
}

void TOdsetkiTbl::OpenRateLists()
{
    ReopenRateList(RateKind::Tax, 0);
    ReopenRateList(RateKind::Statutory, 0);
}

void TOdsetkiTbl::CommitRateLists()
{
    CommitRateList(RateKind::Tax);
    CommitRateList(RateKind::Statutory);
}

void TOdsetkiTbl::done(int result)
{
    RunGuarded([this] { CommitRateLists(); });
    QDialog::done(result);
}

InterestResult TOdsetkiTbl::CalculateFromTable(RateKind kind, const QDate &due, const QDate &paid, Money amount)
{
    // Of two entries with the same day the one entered last comes first and applies.
    DM->q.setSelectSql(QStringList{
        QStringLiteral("SELECT OdDnia, Stopa"),
        QStringLiteral("FROM ") + RateTableName(kind),
        QStringLiteral("WHERE OdDnia<=") + SqlDateLiteral(paid),
        QStringLiteral("ORDER BY OdDnia DESC, WpisId DESC"),
    }.join(u'\n'));
    std::vector<RateEntry> entries;
    try {
        DM->q.open();
        DM->q.fetchAll();
        for (int row = 0; row < DM->q.fetchedCount(); ++row)
            entries.push_back({DM->q.valueAt(row, QStringLiteral("ODDNIA")).toDate(),
                               DM->q.valueAt(row, QStringLiteral("STOPA")).value<Money>()});
    } catch (...) {
        DM->q.close();
        throw;
    }
    DM->q.close();
    return ::ComputeInterest(std::move(entries), RateFirstDay(kind), due, paid, amount);
}

void TOdsetkiTbl::ObliczBtnClick()
{
    const QDate due = EdTerminPlat->date();
    const QDate paid = EdDataZapl->date();
    const Money amount = EdKwota->Value();
    if (paid < due) {
        DM->ShowWarning(QStringLiteral("Data zapłaty nie może być wcześniejsza\rniż termin płatności."));
        return;
    }
    if (amount <= Money()) {
        DM->ShowWarning(QStringLiteral("Kwota zaległości musi być większa od 0."));
        return;
    }

    // Until this calculation has finished, no insert button may hand back the total of
    // an earlier one for inputs that have changed since.
    WstawPodatBtn->setEnabled(false);
    WstawUstawBtn->setEnabled(false);
    DM->trq.commit();
    DM->trq.start();
    InterestResult tax, statutory;
    Money taxTotal, statutoryTotal;
    try {
        tax = CalculateFromTable(RateKind::Tax, due, paid, amount);
        statutory = CalculateFromTable(RateKind::Statutory, due, paid, amount);
        taxTotal = checkedSum(amount, tax.total);
        statutoryTotal = checkedSum(amount, statutory.total);
    } catch (...) {
        // A failed calculation keeps no snapshot of the rate tables either.
        DM->trq.commit();
        throw;
    }
    DM->trq.commit();

    TaxDueTotal = taxTotal;
    StatutoryDueTotal = statutoryTotal;
    Det->Fill(tax, statutory);
    PodatLbl->setText(RegionalMoney(tax.total));
    PodRazLbl->setText(RegionalMoney(TaxDueTotal));
    UstawLbl->setText(RegionalMoney(statutory.total));
    UstRazLbl->setText(RegionalMoney(StatutoryDueTotal));
    for (QPushButton *button : {DetBtn, WstawPodatBtn, WstawUstawBtn})
        button->setEnabled(true);
}

void TOdsetkiTbl::DetBtnClick()
{
    ModalSeam::run(*Det);
}

void TOdsetkiTbl::WstawPodatBtnClick()
{
    ChosenTotal_ = TaxDueTotal;
    accept();
}

void TOdsetkiTbl::WstawUstawBtnClick()
{
    ChosenTotal_ = StatutoryDueTotal;
    accept();
}

void TOdsetkiTbl::CloseBtnClick()
{
    reject();
}

void TOdsetkiTbl::InsertPodBtnClick() { PodatPage->InsertEntry(); }
void TOdsetkiTbl::EditPodBtnClick() { PodatPage->EditEntry(); }
void TOdsetkiTbl::DeletePodBtnClick() { PodatPage->DeleteEntry(); }
void TOdsetkiTbl::InsertUstBtnClick() { UstawPage->InsertEntry(); }
void TOdsetkiTbl::EditUstBtnClick() { UstawPage->EditEntry(); }
void TOdsetkiTbl::DeleteUstBtnClick() { UstawPage->DeleteEntry(); }
void TOdsetkiTbl::PodatGridDblClick() { PodatPage->GridDblClick(); }
void TOdsetkiTbl::UstawGridDblClick() { UstawPage->GridDblClick(); }
