#include "DecimalEdit.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QValidator>

namespace {

// Digits with at most one decimal mark and two decimals, and no more than the maximum.
// Grouping blanks are allowed, since a grouped text may be what the field shows between edits.
class DecimalValidator : public QValidator
{
public:
    DecimalValidator(Money maximum, QObject *parent) : QValidator(parent), maximum_(maximum) {}

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
        if (!Money::parse(digits, value) || value > maximum_)
            return Invalid;
        return Acceptable;
    }

private:
    const Money maximum_;
};

}

DecimalEdit::DecimalEdit(Money maximum, int typingLength, Display display, QWidget *parent)
    : QLineEdit(parent), maximum_(maximum), typingLength_(typingLength), display_(display)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new DecimalValidator(maximum_, this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        Money parsed;
        value_ = Money::parse(text, parsed) ? parsed : Money();
    });
    showValue();
}

bool DecimalEdit::SetValue(Money value)
{
    if (value < Money() || value > maximum_)
        return false;
    value_ = value;
    showValue();
    return true;
}

QString DecimalEdit::Bare(Money value)
{
    return value.toPlainString(2).replace(u'.', u',');
}

void DecimalEdit::showValue()
{
    // Showing the value must not change it: the displayed text need not parse back to it
    // (a unit after the number, or four decimals cut to two).
    const Money value = value_;
    setMaxLength(AnyLength);
    setText(hasFocus() ? Bare(value) : display_(value));
    value_ = value;
    if (hasFocus())
        setMaxLength(typingLength_);
}

void DecimalEdit::focusInEvent(QFocusEvent *event)
{
    showValue();
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void DecimalEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A popup or a message box leaves the text as the user is editing it.
    if (event->reason() != Qt::PopupFocusReason)
        showValue();
}
