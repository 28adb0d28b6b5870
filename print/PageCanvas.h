#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// The surface one page is drawn on, in device units of the printer. Positions
// are those of the top-left corner of what is drawn, never of a text's baseline.
class PageCanvas
{
public:
    virtual ~PageCanvas() = default;

    // The forms are printed in Arial, regular, in the given size in points.
    virtual void selectFont(int points) = 0;
    virtual void drawText(int x, int y, const QString &text) = 0;
    virtual void drawRect(const QRect &rect) = 0;
    // An outline that guides the eye on screen, lighter than the texts; by default a rectangle.
    virtual void drawGuide(const QRect &rect) { drawRect(rect); }
    // The image scaled to the rectangle without smoothing, so that a code's modules stay sharp.
    virtual void drawImage(const QRect &rect, const QImage &image) = 0;
    // The height of one line (the font's cell height) and the width of a text, in the current font.
    virtual int lineHeight() const = 0;
    virtual int textWidth(const QString &text) const = 0;
};
