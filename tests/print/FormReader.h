#pragma once

#include "RecordingTarget.h"
#include "TPrn.h"

// Reads back what a layout wrote onto a recorded page, by millimetres from the form's origin.
class FormReader
{
public:
    FormReader(const RecordedJob &job, QPoint origin, int dpi = 600) : job_(job), origin_(origin)
    {
        prn_.SetDpiX(dpi);
        prn_.SetDpiY(dpi);
    }

    QPoint point(float xMm, float yMm, QPoint shift = {}) const
    {
        return origin_ + shift + QPoint(prn_.MmToX(xMm), prn_.MmToY(yMm));
    }

    // The characters written one per box from that point on; empty when the point holds a plain run.
    QString boxes(float xMm, float yMm, QPoint shift = {}, BoxPitch pitch = BoxPitch::Mm5) const
    {
        const QPoint start = point(xMm, yMm, shift);
        QString read;
        for (int i = 0;; ++i) {
            const auto found = job_.at(start.x() + prn_.MmToX(float(i * PitchMm(pitch))), start.y());
            if (found.size() != 1 || found.first().text.size() != 1)
                return read;
            read += found.first().text;
        }
    }

    // The single run of more than one character written at that point, or empty.
    QString plain(float xMm, float yMm, QPoint shift = {}) const
    {
        const QPoint at = point(xMm, yMm, shift);
        const auto found = job_.at(at.x(), at.y());
        if (found.size() != 1)
            return QString();
        return found.first().text;
    }

    int countAt(float xMm, float yMm, QPoint shift = {}) const
    {
        const QPoint at = point(xMm, yMm, shift);
        return int(job_.at(at.x(), at.y()).size());
    }

private:
    RecordedJob job_;
    QPoint origin_;
    TPrn prn_;
};
