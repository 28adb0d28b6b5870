#include "PageFrame.h"

#include "PageCanvas.h"
#include "PrintTarget.h"

#include <algorithm>

namespace {

constexpr int FormFontPoints = 10;
constexpr double MmPerInch = 25.4;

// Ends a begun job on every way out; a failure to end it matters only when
// nothing else went wrong first.
class JobGuard
{
public:
    explicit JobGuard(PrintTarget &target) : target_(target) {}
    ~JobGuard()
    {
        if (active_)
            target_.endJob();
    }
    JobGuard(const JobGuard &) = delete;
    JobGuard &operator=(const JobGuard &) = delete;

    bool finish()
    {
        active_ = false;
        return target_.endJob();
    }

private:
    PrintTarget &target_;
    bool active_ = true;
};

}

double CutOffMm(const QRect &ink, const QSize &printable, int dpiX, int dpiY)
{
    if (ink.isNull() || dpiX <= 0 || dpiY <= 0)
        return 0;
    const int overX = std::max({0, -ink.left(), ink.left() + ink.width() - printable.width()});
    const int overY = std::max({0, -ink.top(), ink.top() + ink.height() - printable.height()});
    return std::max(overX * MmPerInch / dpiX, overY * MmPerInch / dpiY);
}

PageReport RunPageFrame(PrintTarget &target, const FrameSpec &frame, const PlaceItems &placeItems,
                        std::optional<Margins> margins)
{
    TPrn prn;
    const PageGeometry geometry = target.prepareJob(frame.jobTitle, frame.orientation);
    prn.SetDpiX(geometry.dpiX);
    prn.SetDpiY(geometry.dpiY);

    // Read before the job starts, so that an unreadable entry does not cost a sheet of the form.
    const Margins used = margins ? *margins : LoadMargins(target.printerName(), FormName(frame.form));

    PageCanvas &canvas = target.beginJob();
    JobGuard job(target);
    prn.SetCanvas(&canvas);
    canvas.selectFont(FormFontPoints);

    // Margin and form offset are added before converting: the origin is rounded once.
    CopyPlacement copies;
    copies.origin = QPoint(prn.MmToX(float(used.left + frame.offsetXMm)) - geometry.printingOffset.x(),
                           prn.MmToY(float(used.top + frame.offsetYMm)) - geometry.printingOffset.y());
    const int stepX = prn.MmToX(frame.stepXMm);
    const int stepY = prn.MmToY(frame.stepYMm);
    for (int row = 0; row < frame.rows; ++row)
        for (int column = 0; column < frame.columns; ++column)
            copies.shifts.append(QPoint(column * stepX, row * stepY));

    placeItems(prn, copies);

    PageReport report;
    report.cutOffMm = CutOffMm(prn.InkBounds(), geometry.printableSize, geometry.dpiX, geometry.dpiY);
    if (!job.finish())
        throw PrintError(QStringLiteral("Drukarka „%1” nie przyjęła wydruku.").arg(target.printerName()).toStdString());
    return report;
}
