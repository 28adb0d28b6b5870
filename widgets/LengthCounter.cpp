#include "LengthCounter.h"

#include "Globals.h"

#include <QLineEdit>

LengthCounter::LengthCounter(QLineEdit *line, QWidget *parent) : QLabel(parent), line_(line)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    connect(line_, &QLineEdit::textChanged, this, &LengthCounter::Refresh);
    Refresh();
}

void LengthCounter::Refresh()
{
    const int used = int(line_->text().size());
    over_ = used > FormLimit;
    setText(FormatLengthCounter(used, FormLimit));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, over_ ? QColor(Qt::yellow) : colours.color(QPalette::Button));
    setPalette(colours);
}
