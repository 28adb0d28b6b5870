#pragma once

#include <QPageLayout>
#include <QPoint>
#include <QSize>
#include <QString>
#include <stdexcept>

class PageCanvas;

// A failure of the printing system; the message is ready for the user.
class PrintError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What a printer reports once the job's orientation is known, all in device units.
struct PageGeometry
{
    int dpiX = 0;
    int dpiY = 0;
    // From the physical top-left corner of the sheet to that of the printable area,
    // which is where the canvas has its origin.
    QPoint printingOffset;
    QSize printableSize;
};

// Where the pages of one print run go: a printer, a PDF file, a preview, or a
// recorder in the tests. Each job is one page.
class PrintTarget
{
public:
    virtual ~PrintTarget() = default;

    // The name under which the margins of this printer are kept.
    virtual QString printerName() const = 0;
    virtual PageGeometry prepareJob(const QString &title, QPageLayout::Orientation orientation) = 0;
    // Throws PrintError when the job cannot start.
    virtual PageCanvas &beginJob() = 0;
    // Sends the page; false when the printing system reports a failure. Safe to call
    // only after a successful beginJob.
    virtual bool endJob() = 0;
    // Closes what the run's jobs were collected into (a PDF file); false on failure.
    virtual bool finishRun() = 0;
    // A preview on screen shows the form's boxes under the texts, so that the user sees
    // each text in its box before spending a preprinted form; paper and files never do.
    virtual bool showsFormOutlines() const { return false; }
    // A preview and a PDF file carry the payment code beside an ordinary transfer, to be paid
    // from a phone; a preprinted form on a printer never does, it has no room for one.
    virtual bool showsPaymentCode() const { return false; }
};
