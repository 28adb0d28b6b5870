#include "PrinterTarget.h"

#include <QPageSize>
#include <QPrinter>

namespace {

constexpr int PdfResolution = 600;

}

PrinterTarget::PrinterTarget(QPrinter &printer, const QString &printerName, Mode mode)
    : printer_(printer), printerName_(printerName), mode_(mode)
{
}

PrinterTarget::PrinterTarget(std::unique_ptr<QPrinter> printer, const QString &printerName, Mode mode)
    : owned_(std::move(printer)), printer_(*owned_), printerName_(printerName), mode_(mode)
{
}

PrinterTarget::~PrinterTarget()
{
    canvas_.reset();
    if (painter_.isActive())
        painter_.end();
}

PageGeometry PrinterTarget::prepareJob(const QString &title, QPageLayout::Orientation orientation)
{
    // A document already being written keeps the title of its first page.
    if (!painter_.isActive())
        printer_.setDocName(title);
    if (printer_.pageLayout().orientation() != orientation)
        printer_.setPageOrientation(orientation);
    PageGeometry geometry;
    geometry.dpiX = printer_.logicalDpiX();
    geometry.dpiY = printer_.logicalDpiY();
    const QRect paper = printer_.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer_.pageRect(QPrinter::DevicePixel).toRect();
    geometry.printingOffset = printable.topLeft() - paper.topLeft();
    geometry.printableSize = printable.size();
    return geometry;
}

PageCanvas &PrinterTarget::beginJob()
{
    if (painter_.isActive()) {
        if (!printer_.newPage())
            throw PrintError(failureText().toStdString());
    } else if (!painter_.begin(&printer_)) {
        throw PrintError(failureText().toStdString());
    }
    canvas_.emplace(painter_);
    return *canvas_;
}

bool PrinterTarget::endJob()
{
    canvas_.reset();
    if (mode_ == Mode::OneDocument)
        return true;
    const bool ended = painter_.end();
    return ended && printer_.printerState() != QPrinter::Error;
}

bool PrinterTarget::finishRun()
{
    canvas_.reset();
    if (!painter_.isActive())
        return true;
    const bool ended = painter_.end();
    return ended && printer_.printerState() != QPrinter::Error;
}

QString PrinterTarget::failureText() const
{
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Nie można zapisać wydruku do pliku „%1”.").arg(printer_.outputFileName());
    return QStringLiteral("Nie można rozpocząć wydruku na drukarce „%1”.").arg(printerName_);
}

std::unique_ptr<QPrinter> MakePdfPrinter(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setResolution(PdfResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setFullPage(true);
    return printer;
}
