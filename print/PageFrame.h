#pragma once

#include "Globals.h"
#include "TPrn.h"

#include <QList>
#include <QPageLayout>
#include <QPoint>
#include <functional>
#include <optional>

class PrintTarget;

// The fixed frame of one form: how its copies lie on the sheet.
struct FrameSpec
{
    QString jobTitle;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    PrintForm form = PrintForm::F110;
    // Where the first copy starts, from the corner of the sheet, in whole millimetres.
    int offsetXMm = 0;
    int offsetYMm = 0;
    // The copies are filled row by row, left to right.
    int columns = 1;
    int rows = 2;
    float stepXMm = 0;
    float stepYMm = 0;
};

// Where the copies of one page lie, in device units: the corner of the first copy
// and each copy's shift from it (the first copy's shift being zero).
struct CopyPlacement
{
    QPoint origin;
    QList<QPoint> shifts;
};

// What a printed page tells the print run.
struct PageReport
{
    // How far the farthest written item reaches beyond the printable area, in millimetres; 0 when nothing does.
    double cutOffMm = 0;
};

using PlaceItems = std::function<void(TPrn &prn, const CopyPlacement &copies)>;

// Prints one page of the form as one job: resolution and printing offset from the
// printer, the margins of that printer and form (or the given ones, for a trial
// print), Arial 10 pt, then the items. The job is ended whatever happens.
// Throws PrintError and MarginsError.
PageReport RunPageFrame(PrintTarget &target, const FrameSpec &frame, const PlaceItems &placeItems,
                        std::optional<Margins> margins = std::nullopt);

// The part of a rectangle that lies outside the printable area, in millimetres.
double CutOffMm(const QRect &ink, const QSize &printable, int dpiX, int dpiY);
