#include "PainterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPaintDevice>
#include <QPen>
#include <algorithm>

void PainterCanvas::selectFont(int points)
{
    // Arial, or the metric-compatible face fontconfig maps it to.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
}

void PainterCanvas::drawText(int x, int y, const QString &text)
{
    // The painter places a text by its baseline, the forms by its top.
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

void PainterCanvas::drawRect(const QRect &rect)
{
    // About a tenth of a millimetre, visible at any resolution.
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, painter_.device()->logicalDpiX() / 254));
    painter_.setPen(pen);
    painter_.drawRect(rect);
}

void PainterCanvas::drawGuide(const QRect &rect)
{
    const QPen text = painter_.pen();
    QPen pen(QColor(200, 200, 200));
    pen.setWidth(std::max(1, painter_.device()->logicalDpiX() / 254));
    painter_.setPen(pen);
    painter_.drawRect(rect);
    painter_.setPen(text);
}

void PainterCanvas::drawImage(const QRect &rect, const QImage &image)
{
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(rect, image);
}

int PainterCanvas::lineHeight() const
{
    return painter_.fontMetrics().height();
}

int PainterCanvas::textWidth(const QString &text) const
{
    return painter_.fontMetrics().horizontalAdvance(text);
}
