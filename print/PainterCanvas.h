#pragma once

#include "PageCanvas.h"

class QPainter;

// Draws onto an active painter, usually one on a printer.
class PainterCanvas : public PageCanvas
{
public:
    explicit PainterCanvas(QPainter &painter) : painter_(painter) {}

    void selectFont(int points) override;
    void drawText(int x, int y, const QString &text) override;
    void drawRect(const QRect &rect) override;
    void drawGuide(const QRect &rect) override;
    void drawImage(const QRect &rect, const QImage &image) override;
    int lineHeight() const override;
    int textWidth(const QString &text) const override;

private:
    QPainter &painter_;
};
