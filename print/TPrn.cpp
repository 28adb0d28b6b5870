#include "TPrn.h"

#include "PageCanvas.h"
#include "UpperCase.h"

#include <cmath>

namespace {

constexpr double MmPerInch = 25.4;

int deviceUnits(int dpi, float mm)
{
    // The quotient is taken to single precision first, and the default rounding
    // mode then sends ties to the even integer.
    const float units = float(double(dpi) * double(mm) / MmPerInch);
    return int(std::lrint(units));
}

}

double PitchMm(BoxPitch pitch)
{
    switch (pitch) {
    case BoxPitch::Mm5: return 5.0;
    case BoxPitch::Mm58by11: return 58.0 / 11.0;
    case BoxPitch::Mm63by13: return 63.0 / 13.0;
    }
    return 5.0;
}

int TPrn::MmToX(float mm) const
{
    return deviceUnits(dpiX_, mm);
}

int TPrn::MmToY(float mm) const
{
    return deviceUnits(dpiY_, mm);
}

QString TPrn::ApplyCase(const QString &text) const
{
    switch (caseMode_) {
    case AsIs:
        return text;
    case Upper:
        return UpperCp1250(text);
    case Lower: {
        // One character for one, like the upper-casing.
        QString lower = text;
        for (QChar &c : lower)
            c = c.toLower();
        return lower;
    }
    }
    return text;
}

void TPrn::SetFontSize(int points)
{
    canvas_->selectFont(points);
}

int TPrn::LineHeight() const
{
    return canvas_->lineHeight();
}

void TPrn::TextAt(int x, int y, const QString &text)
{
    write(x, y, ApplyCase(text));
}

void TPrn::TextLinesAt(int x, int y, const QStringList &lines)
{
    const int height = canvas_->lineHeight();
    for (qsizetype i = 0; i < lines.size(); ++i)
        write(x, y + int(i) * height, ApplyCase(lines.at(i)));
}

void TPrn::TextInBoxes(int x, int y, const QString &text, BoxPitch pitch)
{
    const QString shown = ApplyCase(text);
    const double pitchMm = PitchMm(pitch);
    // Every offset is taken from the first box, so rounding never accumulates.
    for (qsizetype i = 0; i < shown.size(); ++i)
        write(x + MmToX(float(double(i) * pitchMm)), y, QString(shown.at(i)));
}

void TPrn::FrameRect(const QRect &rect)
{
    canvas_->drawRect(rect);
    inkBounds_ = inkBounds_.united(rect);
}

void TPrn::ImageIn(const QRect &rect, const QImage &image)
{
    canvas_->drawImage(rect, image);
    inkBounds_ = inkBounds_.united(rect);
}

void TPrn::GuideRect(const QRect &rect)
{
    canvas_->drawGuide(rect);
}

void TPrn::write(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    canvas_->drawText(x, y, text);
    inkBounds_ = inkBounds_.united(QRect(x, y, canvas_->textWidth(text), canvas_->lineHeight()));
}
