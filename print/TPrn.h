#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class PageCanvas;

// The three fixed distances between the character boxes of the forms.
enum class BoxPitch { Mm5, Mm58by11, Mm63by13 };

// The pitch in millimetres.
double PitchMm(BoxPitch pitch);

// Turns millimetres into device units and writes texts onto a page canvas:
// as one run, one character per box, or as a block of lines.
class TPrn
{
public:
    enum CaseMode : quint8 { AsIs = 0, Upper = 1, Lower = 2 };

    void SetDpiX(int dpi) { dpiX_ = dpi; }
    void SetDpiY(int dpi) { dpiY_ = dpi; }

    // A distance, not a position: no margin or offset is added.
    int MmToX(float mm) const;
    int MmToY(float mm) const;

    void SetCaseMode(CaseMode mode) { caseMode_ = mode; }
    QString ApplyCase(const QString &text) const;

    // The canvas stays owned by the caller and must outlive the writing.
    void SetCanvas(PageCanvas *canvas) { canvas_ = canvas; }
    // Arial, regular, in the given size; the line height follows it.
    void SetFontSize(int points);
    int LineHeight() const;

    // Each writes with the top-left corner of the text at the device position.
    void TextAt(int x, int y, const QString &text);
    void TextLinesAt(int x, int y, const QStringList &lines);
    void TextInBoxes(int x, int y, const QString &text, BoxPitch pitch);
    void FrameRect(const QRect &rect);
    // A light outline for the screen; not ink, so never counted as cut off.
    void GuideRect(const QRect &rect);
    void ImageIn(const QRect &rect, const QImage &image);

    // The smallest rectangle holding everything written so far (null when nothing was).
    QRect InkBounds() const { return inkBounds_; }

private:
    void write(int x, int y, const QString &text);

    int dpiX_ = 0;
    int dpiY_ = 0;
    CaseMode caseMode_ = AsIs;
    PageCanvas *canvas_ = nullptr;
    QRect inkBounds_;
};
