#include "DirectoryChooser.h"

#include "DatasetGrid.h"
#include "DirectoryList.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "ModalSeam.h"
#include "SearchBox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DirectoryChooser::DirectoryChooser(Setup setup, QWidget *parent) : QDialog(parent), setup_(std::move(setup))
{
    setObjectName(QString::fromLatin1(setup_.objectName));
    setWindowTitle(setup_.caption);
    setSizeGripEnabled(true);

    rows_ = setup_.dataset;
    if (!setup_.ownQuerySql.isEmpty()) {
        ownTransaction_ = std::make_unique<FbTransaction>(DM->Baza);
        ownQuery_ = std::make_unique<Dataset>(*ownTransaction_, QString::fromLatin1(setup_.objectName));
        ownQuery_->setSelectSql(setup_.ownQuerySql);
        rows_ = ownQuery_.get();
        // Opened with the window; a failure leaves an empty chooser after the report.
        RunGuarded([this] { ownQuery_->open(); });
    }

    grid_ = new DatasetGrid(*rows_, setup_.columns, this);
    grid_->setObjectName(QString::fromLatin1(setup_.gridName));
    search_ = new SearchBox(*rows_, QStringLiteral("NAZWA"), setup_.searchCaption, this);
    search_->setObjectName(QStringLiteral("SearchBox"));

    SelectBtn = new QPushButton(QStringLiteral("&Wybierz"), this);
    SelectBtn->setObjectName(QStringLiteral("SelectBtn"));
    SelectBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    KartotekaBtn = new QPushButton(QStringLiteral("&Kartoteka"), this);
    KartotekaBtn->setObjectName(QStringLiteral("KartotekaBtn"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(SelectBtn);
    buttons->addWidget(CancelBtn);
    buttons->addSpacing(12);
    buttons->addWidget(KartotekaBtn);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(grid_, 1);
    left->addWidget(search_);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    resize(640, 400);

    ConnectGuarded(SelectBtn, &QPushButton::clicked, this, &DirectoryChooser::SelectBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ConnectGuarded(KartotekaBtn, &QPushButton::clicked, this, &DirectoryChooser::KartotekaBtnClick);
    connect(grid_, &DatasetGrid::doubleClicked, this, [this] {
        if (SelectBtn->isEnabled())
            RunGuarded([this] { SelectBtnClick(); });
    });
}

DirectoryChooser::~DirectoryChooser()
{
    // The views over an own query go before it, and it before its transaction.
    delete grid_;
    delete search_;
}

qint32 DirectoryChooser::CurrentId() const
{
    return Rows().value(setup_.keyField).toInt();
}

void DirectoryChooser::SetSelectButton()
{
    SelectBtn->setEnabled(Rows().currentRow() >= 0);
}

bool DirectoryChooser::ShowAt(qint32 id)
{
    if (id > 0 && Rows().isOpen())
        Rows().locate(setup_.keyField, id);
    return ShowHere();
}

bool DirectoryChooser::ShowHere()
{
    SetSelectButton();
    grid_->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

void DirectoryChooser::SelectBtnClick()
{
    if (Rows().currentRow() < 0)
        return;
    TakeChoice(Rows());
    accept();
}

void DirectoryChooser::KartotekaBtnClick()
{
    const std::unique_ptr<DirectoryList> list = setup_.list(this);
    list->ShowAt(CurrentId());
    if (!list->Changed()) {
        SetSelectButton();
        return;
    }
    // Where the user left the list is where the chooser stands afterwards.
    const qint32 id = list->Rows().value(setup_.keyField).toInt();
    if (ownQuery_) {
        if (ownTransaction_->isActive())
            ownTransaction_->commit();
        ownTransaction_->start();
        ownQuery_->open();
    }
    if (id > 0)
        Rows().locate(setup_.keyField, id);
    SetSelectButton();
}
