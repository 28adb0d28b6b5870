#include "RateEdit.h"

#include "RegionalFormat.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QValidator>

namespace {

// What the user types: digits, one decimal mark and at most two decimals.
bool parseTyped(QString text, Money &value)
{
    text.remove(u' ');
    text.remove(QChar(0x00A0));
    return Money::parse(text, value);
}

class RateValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        static const QRegularExpression shape(QStringLiteral("^[0-9 ]*([.,][0-9]{0,2})?$"));
        if (!shape.match(input).hasMatch())
            return Invalid;
        QString digits = input;
        digits.remove(u' ');
        if (digits.isEmpty() || digits == QLatin1String(",") || digits == QLatin1String("."))
            return Intermediate;
        Money value;
        if (!parseTyped(digits, value) || value > RateEdit::Maximum())
            return Invalid;
        return Acceptable;
    }
};

}

RateEdit::RateEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new RateValidator(this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        Money typed;
        value_ = parseTyped(text, typed) ? typed : Money();
    });
    showValue();
}

Money RateEdit::Maximum()
{
    return Money::fromGrosze(999'999);
}

bool RateEdit::SetValue(Money value)
{
    if (value < Money() || value > Maximum())
        return false;
    value_ = value;
    showValue();
    return true;
}

void RateEdit::showValue()
{
    setText(hasFocus() ? value_.toPlainString(2).replace(u'.', u',') : RegionalRate(value_));
}

void RateEdit::focusInEvent(QFocusEvent *event)
{
    showValue();
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void RateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A popup or a message box leaves the text as the user is editing it.
    if (event->reason() != Qt::PopupFocusReason)
        showValue();
}
