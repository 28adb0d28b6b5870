#include "StoredAmount.h"

#include "Dataset.h"
#include "FDM.h"
#include "MoneyEdit.h"

StoredAmount::StoredAmount(MoneyEdit *field) : QObject(field), field_(field)
{
    connect(field_, &QLineEdit::textEdited, this, [this] { unshown_ = false; });
}

void StoredAmount::Fill(const QVariant &stored)
{
    const Money amount = stored.metaType() == QMetaType::fromType<Money>() ? stored.value<Money>() : Money();
    unshown_ = !field_->SetValue(amount);
    if (!unshown_)
        return;
    field_->SetValue(Money());
    DM->ShowWarning(QStringLiteral("Zapisana kwota %1 nie mieści się w polu kwoty; wpisz właściwą kwotę.")
                        .arg(MoneyEdit::Grouped(amount)));
}

bool StoredAmount::Shown() const
{
    return !unshown_ || field_->Value() != Money();
}

void StoredAmount::Write(Dataset &row, const QString &column) const
{
    if (Shown())
        row.setValue(column, QVariant::fromValue(field_->Value()));
}
