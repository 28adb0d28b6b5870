#pragma once

#include <QObject>
#include <QVariant>

class Dataset;
class MoneyEdit;

// The amount field of a stored order or template. Another tool may have stored an amount
// the field cannot hold (negative, or above its maximum): the field then shows 0,00 and
// the user is told. That 0,00 was never the stored amount, so saving leaves the column as
// stored until the user types an amount (or something else, such as the interest
// calculator, puts one into the field).
class StoredAmount : public QObject
{
public:
    explicit StoredAmount(MoneyEdit *field);

    // Shows the stored value; a new row gives Money().
    void Fill(const QVariant &stored);
    // Puts the amount shown into the column, unless it only stands in for a stored one.
    void Write(Dataset &row, const QString &column) const;
    // False while the field stands in for a stored amount it could not show.
    bool Shown() const;

private:
    MoneyEdit *field_;
    bool unshown_ = false;
};
