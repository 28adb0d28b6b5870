#include "MoneyEdit.h"

// The longest amount typed bare: "999999999,99".
static constexpr int MaxTextLength = 12;

MoneyEdit::MoneyEdit(QWidget *parent) : DecimalEdit(Maximum(), MaxTextLength, &MoneyEdit::Grouped, parent) {}

Money MoneyEdit::Maximum()
{
    return Money::fromZloty(999'999'999);
}

QString MoneyEdit::Grouped(Money value)
{
    QString text = Bare(value);
    const int comma = text.indexOf(u',');
    const int firstDigit = text.startsWith(u'-') ? 1 : 0;
    for (int at = comma - 3; at > firstDigit; at -= 3)
        text.insert(at, u' ');
    return text;
}
