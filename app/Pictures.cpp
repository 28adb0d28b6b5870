#include "Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Drawn on a 24 x 24 grid, rendered at twice the size for sharp scaling.
constexpr int Grid = 24;
constexpr int Scale = 2;

const QColor Ink(0x33, 0x3d, 0x4a);
const QColor Paper(0xfd, 0xfd, 0xf6);
const QColor Green(0x2e, 0x8b, 0x3a);
const QColor Red(0xc8, 0x2a, 0x2a);
const QColor Blue(0x2f, 0x6d, 0xb5);
const QColor Yellow(0xf2, 0xc9, 0x4c);

// Every picture is drawn on the same grid, scaled to the size it is wanted at.
void paintOnGrid(QPaintDevice &device, int size, const std::function<void(QPainter &)> &draw)
{
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / Grid, double(size) / Grid);
    draw(painter);
}

QPixmap render(int size, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size * Scale, size * Scale);
    pixmap.setDevicePixelRatio(Scale);
    pixmap.fill(Qt::transparent);
    paintOnGrid(pixmap, size, draw);
    return pixmap;
}

QIcon iconOf(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (const int size : {16, 24, 32})
        icon.addPixmap(render(size, draw));
    return icon;
}

// A sheet of a transfer form: folded corner and three lines of text.
void sheet(QPainter &p)
{
    QPainterPath outline;
    outline.moveTo(4.5, 2.5);
    outline.lineTo(14.5, 2.5);
    outline.lineTo(19.5, 7.5);
    outline.lineTo(19.5, 21.5);
    outline.lineTo(4.5, 21.5);
    outline.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawPath(outline);
    p.drawPolyline(QPolygonF{QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5)});
    p.setPen(QPen(Ink.lighter(170), 1));
    for (const double y : {10.5, 13.5, 16.5})
        p.drawLine(QPointF(7, y), QPointF(17, y));
}

void drawInsert(QPainter &p)
{
    sheet(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawEllipse(QPointF(17, 17), 6, 6);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 13.5), QPointF(17, 20.5));
    p.drawLine(QPointF(13.5, 17), QPointF(20.5, 17));
}

void drawEdit(QPainter &p)
{
    sheet(p);
    p.save();
    p.translate(16, 14);
    p.rotate(45);
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Yellow);
    p.drawRect(QRectF(-2, -9, 4, 13));
    p.setBrush(Paper);
    p.drawPolygon(QPolygonF{QPointF(-2, 4), QPointF(2, 4), QPointF(0, 8)});
    p.setBrush(Red);
    p.drawRect(QRectF(-2, -11, 4, 2));
    p.restore();
}

void drawDelete(QPainter &p)
{
    sheet(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QPointF(17, 17), 6, 6);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 14.5), QPointF(19.5, 19.5));
    p.drawLine(QPointF(19.5, 14.5), QPointF(14.5, 19.5));
}

void drawFind(QPainter &p)
{
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(0xd8, 0xe8, 0xf8));
    p.drawEllipse(QPointF(9.5, 9.5), 6.5, 6.5);
    p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(5.5, 5.5, 8, 8), 100 * 16, 70 * 16);
}

void drawPrint(QPainter &p)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    p.setBrush(QColor(0xb8, 0xc0, 0xcc));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 1.5, 1.5);
    p.setBrush(Paper);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(QPen(Ink.lighter(170), 1));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawEllipse(QPointF(18.5, 11.5), 1, 1);
}

void drawClose(QPainter &p)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(0xa0, 0x6a, 0x3c));
    p.drawRect(QRectF(3.5, 2.5, 11, 19));
    p.setBrush(QColor(0x7a, 0x4c, 0x26));
    p.drawPolygon(QPolygonF{QPointF(3.5, 2.5), QPointF(10.5, 4.5), QPointF(10.5, 23), QPointF(3.5, 21.5)});
    p.setPen(QPen(Red, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(13, 12), QPointF(21.5, 12));
    p.drawPolyline(QPolygonF{QPointF(18, 8.5), QPointF(21.5, 12), QPointF(18, 15.5)});
}

void drawApplication(QPainter &p)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(0xfb, 0xe3, 0xe3));
    p.drawRect(QRectF(1.5, 3.5, 21, 14));
    p.setPen(QPen(Red, 1));
    for (const double y : {7.5, 10.5, 13.5})
        p.drawLine(QPointF(4, y), QPointF(20, y));
    p.setPen(QPen(Blue.darker(130), 1));
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF{QPointF(6, 16), QPointF(16, 16), QPointF(16, 13), QPointF(22.5, 18.5),
                            QPointF(16, 24), QPointF(16, 21), QPointF(6, 21)});
}

}

QIcon DrawToolbarPicture(ToolbarPicture picture)
{
    switch (picture) {
    case ToolbarPicture::Insert: return iconOf(drawInsert);
    case ToolbarPicture::Edit: return iconOf(drawEdit);
    case ToolbarPicture::Delete: return iconOf(drawDelete);
    case ToolbarPicture::Find: return iconOf(drawFind);
    case ToolbarPicture::Print: return iconOf(drawPrint);
    case ToolbarPicture::Close: return iconOf(drawClose);
    }
    return {};
}

QIcon ApplicationIcon()
{
    return iconOf(drawApplication);
}

QImage ApplicationImage(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paintOnGrid(image, pixels, drawApplication);
    return image;
}
