#include "LayoutRenderer.h"

#include "PrintTarget.h"
#include "TextChars.h"
#include "UpperCase.h"

namespace {

constexpr int FormFontPoints = 10;

QString prepared(const LayoutItem &item, QString text, bool upperCase)
{
    if (item.trimmed)
        text = TextChars::trimControls(text);
    if (upperCase && item.upperCase)
        text = UpperCp1250(text);
    if (item.firstCharOnly)
        text.truncate(1);
    return text;
}

void writeAt(TPrn &prn, const LayoutItem &item, const QPoint &at, const QStringList &lines)
{
    switch (item.writing) {
    case Writing::Boxes: {
        const QString &text = lines.first();
        if (text.size() <= item.boxes)
            prn.TextInBoxes(at.x(), at.y(), text, item.pitch);
        else
            prn.TextAt(at.x(), at.y(), text);
        break;
    }
    case Writing::Plain:
        prn.TextAt(at.x(), at.y(), lines.first());
        break;
    case Writing::Lines:
        prn.TextLinesAt(at.x(), at.y(), lines);
        break;
    }
}

QList<QPoint> copiesOf(const LayoutItem &item, const CopyPlacement &copies)
{
    if (item.copies == CopyScope::LastOnly)
        return {copies.shifts.last()};
    return copies.shifts;
}

// The boxes of an item (or the extent of a field without boxes), drawn by frame.
void outline(TPrn &prn, const LayoutItem &item, const QPoint &at, void (TPrn::*frame)(const QRect &))
{
    const int height = prn.LineHeight();
    if (item.writing == Writing::Boxes) {
        const double pitch = PitchMm(item.pitch);
        for (int i = 0; i < item.boxes; ++i) {
            const int left = at.x() + prn.MmToX(float(i * pitch));
            const int right = at.x() + prn.MmToX(float((i + 1) * pitch));
            (prn.*frame)(QRect(left, at.y(), right - left, height));
        }
        return;
    }
    (prn.*frame)(QRect(at.x(), at.y(), prn.MmToX(item.widthMm), height * item.lines));
}

// Every item's boxes in every copy it is written into, beneath all the texts.
void guides(TPrn &prn, const FormLayout &layout, const CopyPlacement &copies)
{
    for (const LayoutItem &item : layout.items) {
        prn.SetFontSize(item.fontPoints);
        const QPoint at = copies.origin + QPoint(prn.MmToX(item.xMm), prn.MmToY(item.yMm));
        for (const QPoint &shift : copiesOf(item, copies))
            outline(prn, item, at + shift, &TPrn::GuideRect);
    }
    prn.SetFontSize(FormFontPoints);
}

}

PageReport RenderLayout(PrintTarget &target, const FormLayout &layout, const FieldReader &read, bool upperCase,
                        const PlaceItems &beside)
{
    return RunPageFrame(target, layout.frame, [&](TPrn &prn, const CopyPlacement &copies) {
        if (target.showsFormOutlines())
            guides(prn, layout, copies);
        for (const LayoutItem &item : layout.items) {
            QStringList lines = read(item.field);
            if (lines.isEmpty())
                lines.append(QString());
            for (QString &line : lines)
                line = prepared(item, line, upperCase);
            if (item.fontPoints != FormFontPoints)
                prn.SetFontSize(item.fontPoints);
            const QPoint at = copies.origin + QPoint(prn.MmToX(item.xMm), prn.MmToY(item.yMm));
            for (const QPoint &shift : copiesOf(item, copies))
                writeAt(prn, item, at + shift, lines);
            if (item.fontPoints != FormFontPoints)
                prn.SetFontSize(FormFontPoints);
        }
        if (beside)
            beside(prn, copies);
    });
}

PageReport RenderOutline(PrintTarget &target, const FormLayout &layout, Margins margins)
{
    return RunPageFrame(
        target, layout.frame,
        [&](TPrn &prn, const CopyPlacement &copies) {
            for (const LayoutItem &item : layout.items) {
                prn.SetFontSize(item.fontPoints);
                outline(prn, item, copies.origin + QPoint(prn.MmToX(item.xMm), prn.MmToY(item.yMm)), &TPrn::FrameRect);
            }
        },
        margins);
}
