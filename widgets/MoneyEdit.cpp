#include "MoneyEdit.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QValidator>

namespace {

constexpr int MaxTextLength = 12;

QString bare(Money value)
{
    return value.toPlainString(2).replace(u'.', u',');
}

// Digits with at most one decimal mark and two decimals, and no more than the maximum.
// Grouping blanks are allowed, since the grouped text is what the field shows between edits.
class AmountValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        static const QRegularExpression shape(QStringLiteral("^[0-9 ]*([.,][0-9]{0,2})?$"));
        if (!shape.match(input).hasMatch())
            return Invalid;
        Money value;
        QString digits = input;
        digits.remove(u' ');
        if (digits.isEmpty() || digits == QLatin1String(",") || digits == QLatin1String("."))
            return Intermediate;
        if (!Money::parse(digits, value) || value > MoneyEdit::Maximum())
            return Invalid;
        return Acceptable;
    }
};

}

MoneyEdit::MoneyEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new AmountValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        Money parsed;
        value_ = Money::parse(text, parsed) ? parsed : Money();
    });
    showValue();
}

Money MoneyEdit::Maximum()
{
    return Money::fromZloty(999'999'999);
}

bool MoneyEdit::SetValue(Money value)
{
    if (value < Money() || value > Maximum())
        return false;
    value_ = value;
    showValue();
    return true;
}

QString MoneyEdit::Grouped(Money value)
{
    QString text = bare(value);
    const int comma = text.indexOf(u',');
    const int firstDigit = text.startsWith(u'-') ? 1 : 0;
    for (int at = comma - 3; at > firstDigit; at -= 3)
        text.insert(at, u' ');
    return text;
}

void MoneyEdit::showValue()
{
    const Money value = value_;
    // The grouped text is longer than what may be typed; the limit is for typing only.
    setMaxLength(32767);
    setText(hasFocus() ? bare(value) : Grouped(value));
    value_ = value;
    if (hasFocus())
        setMaxLength(MaxTextLength);
}

void MoneyEdit::focusInEvent(QFocusEvent *event)
{
    showValue();
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void MoneyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A popup or a message box leaves the text as the user is editing it.
    if (event->reason() != Qt::PopupFocusReason)
        showValue();
}
