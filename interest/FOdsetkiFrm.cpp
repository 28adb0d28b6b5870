#include "FOdsetkiFrm.h"

#include "ErrorReport.h"
#include "FDM.h"
#include "ModalSeam.h"
#include "RateEdit.h"
#include "RowStore.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TOdsetkiFrm::TOdsetkiFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TOdsetkiFrm"));

    EdOdDnia = new QDateEdit(this);
    EdOdDnia->setObjectName(QStringLiteral("EdOdDnia"));
    EdOdDnia->setCalendarPopup(true);
    EdOdDnia->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // Days before a table's first day can be typed, so that saving explains why not.
    EdOdDnia->setMinimumDate(QDate(1900, 1, 1));
    EdStopa = new RateEdit(this);
    EdStopa->setObjectName(QStringLiteral("EdStopa"));

    auto *fields = new QFormLayout;
    auto *dayLabel = new QLabel(QStringLiteral("&Obowiązuje od dnia"), this);
    dayLabel->setBuddy(EdOdDnia);
    auto *rateLabel = new QLabel(QStringLiteral("&Stopa odsetek w skali rocznej"), this);
    rateLabel->setBuddy(EdStopa);
    fields->addRow(dayLabel, EdOdDnia);
    fields->addRow(rateLabel, EdStopa);

    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &TOdsetkiFrm::PostBtnClick);
    // Escape and the close box reject the dialog in the same way.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TOdsetkiFrm::ShowNew(RateKind kind)
{
    IsNew = true;
    EdOdDnia->setDate(QDate::currentDate());
    EdStopa->SetValue(Money());
    showFor(kind);
}

void TOdsetkiFrm::ShowCurrent(RateKind kind)
{
    IsNew = false;
    const Dataset &list = RateList(kind);
    EdOdDnia->setDate(list.value(QStringLiteral("ODDNIA")).toDate());
    EdStopa->SetValue(list.value(QStringLiteral("STOPA")).value<Money>());
    showFor(kind);
}

void TOdsetkiFrm::showFor(RateKind kind)
{
    RateKind_ = kind;
    setWindowTitle(kind == RateKind::Tax ? QStringLiteral("Odsetki podatkowe") : QStringLiteral("Odsetki ustawowe"));
    EdOdDnia->setFocus();
    ModalSeam::run(*this);
}

void TOdsetkiFrm::PostBtnClick()
{
    const QDate firstDay = RateFirstDay(RateKind_);
    if (EdOdDnia->date() < firstDay) {
        DM->ShowWarning(QStringLiteral("Data nie może być wcześniejsza niż ")
                        + firstDay.toString(QStringLiteral("dd.MM.yyyy' r.'")));
        return;
    }
    if (EdStopa->Value() <= Money()) {
        DM->ShowWarning(QStringLiteral("Stopa odsetek musi być większa od 0."));
        return;
    }

    Dataset &list = RateList(RateKind_);
    qint32 storedId = 0;
    const StoreResult result = rowStore_.Store(
        list, IsNew,
        [this, &list] {
            if (IsNew)
                list.setValue(QStringLiteral("WPISID"), DM->NewRateEntryId());
            list.setValue(QStringLiteral("ODDNIA"), EdOdDnia->date());
            list.setValue(QStringLiteral("STOPA"), QVariant::fromValue(EdStopa->Value()));
        },
        [this, &list, &storedId] {
            storedId = list.value(QStringLiteral("WPISID")).toInt();
            try {
                ReopenRateList(RateKind_, storedId);
            } catch (const FbError &) {
                recoverList(storedId);
                throw;
            }
        });
    if (result == StoreResult::Stored) {
        accept();
        return;
    }
    if (result == StoreResult::KeptTheirs) {
        reject();
        return;
    }
    // The entry exists once posted: saving again must change it, not add a second one.
    if (result == StoreResult::PostedNotShown && list.value(QStringLiteral("WPISID")).toInt() == storedId)
        IsNew = false;
}

void TOdsetkiFrm::recoverList(qint32 storedId)
{
    Dataset &list = RateList(RateKind_);
    try {
        // A failed commit has already closed the list.
        if (!list.isOpen())
            list.open();
        if (storedId > 0)
            list.locate(QStringLiteral("WPISID"), storedId);
    } catch (const FbError &) {
        // The list stays as this second failure left it; the first one is reported.
    }
}
