#include "DirectoryEditor.h"

#include "AccountEdit.h"
#include "Dataset.h"
#include "ErrorReport.h"
#include "FieldLeave.h"
#include "ModalSeam.h"
#include "MoneyEdit.h"
#include "RowStore.h"
#include "StoredAmount.h"
#include "ValidityMark.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DirectoryEditor::DirectoryEditor(Setup setup, QWidget *parent) : QDialog(parent), setup_(std::move(setup))
{
    setObjectName(QString::fromLatin1(setup_.objectName));
    setWindowTitle(setup_.caption);

    form_ = new QWidget(this);
    form_->setObjectName(QStringLiteral("Form"));
    PostBtn = new QPushButton(QStringLiteral("&Zapisz"), this);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(form_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConnectGuarded(PostBtn, &QPushButton::clicked, this, &DirectoryEditor::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void DirectoryEditor::Bind(const QString &column, std::function<QVariant()> read,
                           std::function<void(const QVariant &)> fill, QVariant empty)
{
    bindings_.push_back({column, std::move(read), std::move(fill), std::move(empty)});
}

void DirectoryEditor::BindLine(QLineEdit *line, const QString &column, int columnLength)
{
    Bind(column, [line, columnLength] { return QVariant(line->text().left(columnLength)); },
         [line](const QVariant &value) { line->setText(value.toString()); });
}

void DirectoryEditor::BindAccount(AccountEdit *account, const QString &column)
{
    Bind(column, [account] { return QVariant(account->Digits()); },
         [account](const QVariant &value) { account->SetDigits(value.toString()); });
    openChecks_.push_back([account] { account->Check(); });
}

void DirectoryEditor::BindAmount(MoneyEdit *amount, const QString &column)
{
    auto *stored = new StoredAmount(amount);
    bindings_.push_back({.column = column,
                         .read = [amount] { return QVariant::fromValue(amount->Value()); },
                         .fill = [stored](const QVariant &value) { stored->Fill(value); },
                         .empty = QVariant::fromValue(Money()),
                         .writes = [stored] { return stored->Shown(); }});
}

void DirectoryEditor::CheckOnLeave(QLineEdit *field, std::function<bool(const QString &)> valid, const QString &hint)
{
    auto check = [field, valid = std::move(valid), hint] { MarkValidity(field, valid(field->text()), hint); };
    OnFieldLeave(field, check);
    openChecks_.push_back(check);
}

void DirectoryEditor::AddCheck(std::function<bool()> fails, const QString &message, QWidget *focus)
{
    checks_.push_back({std::move(fails), message, focus});
}

void DirectoryEditor::RequireLine(QLineEdit *line, const QString &message)
{
    // A name of blanks alone names nothing.
    AddCheck([line] { return IsBlank(line); }, message, line);
}

bool DirectoryEditor::ShowNew()
{
    return open(true);
}

bool DirectoryEditor::ShowCurrent()
{
    return open(false);
}

bool DirectoryEditor::open(bool isNew)
{
    isNew_ = isNew;
    openedId_ = isNew ? 0 : setup_.dataset->value(setup_.keyField).toInt();
    // Handlers meant for the user react to a choice being activated or a field being
    // left, so filling stays quiet; the length counters follow the text and refresh.
    for (const Binding &binding : bindings_)
        binding.fill(isNew ? binding.empty : setup_.dataset->value(binding.column));
    for (const auto &check : openChecks_)
        check();
    placeButtonsLastInFocusOrder();
    if (nameField_)
        nameField_->setFocus();
    return ModalSeam::run(*this) == QDialog::Accepted;
}

void DirectoryEditor::placeButtonsLastInFocusOrder()
{
    // The buttons were made before the directory's fields; in the focus order they follow them.
    QWidget *last = nullptr;
    for (QWidget *widget = form_->nextInFocusChain(); widget != this; widget = widget->nextInFocusChain())
        if (form_->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus))
            last = widget;
    if (!last)
        return;
    setTabOrder(last, PostBtn);
    setTabOrder(PostBtn, CancelBtn);
}

void DirectoryEditor::PostBtnClick()
{
    for (const SaveCheck &check : checks_)
        if (!RunSaveChecks({check}))
            return;
    Dataset &rows = *setup_.dataset;
    if (!isNew_ && !rowStore_.StoringAgain()) {
        const auto reopen = [this] { setup_.afterStore(openedId_); };
        if (!StandOnStoredRow(rows, setup_.keyField, openedId_, reopen, setup_.gone)) {
            if (nameField_)
                nameField_->setFocus();
            return;
        }
    }
    const auto write = [this, &rows] {
        if (isNew_) {
            openedId_ = setup_.newId();
            rows.setValue(setup_.keyField, openedId_);
        }
        for (const Binding &binding : bindings_)
            if (!binding.writes || binding.writes())
                rows.setValue(binding.column, binding.read());
    };
    const auto afterPost = [this, &rows] { setup_.afterStore(rows.value(setup_.keyField).toInt()); };
    switch (rowStore_.Store(rows, isNew_, write, afterPost)) {
    case StoreResult::Stored:
        accept();
        return;
    case StoreResult::KeptTheirs:
        reject();
        return;
    case StoreResult::PostedNotShown:
        // The row exists now: another "&Zapisz" changes it instead of adding it again.
        isNew_ = false;
        break;
    case StoreResult::Failed:
        break;
    }
    if (nameField_)
        nameField_->setFocus();
}
