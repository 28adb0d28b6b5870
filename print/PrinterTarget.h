#pragma once

#include "PainterCanvas.h"
#include "PrintTarget.h"

#include <QPainter>
#include <memory>
#include <optional>

class QPrinter;

// Prints onto a QPrinter: a system printer gets one job per page; a PDF file or a
// preview collects the pages of the whole run into one document.
class PrinterTarget : public PrintTarget
{
public:
    enum class Mode { JobPerPage, OneDocument };

    // The printer stays owned by the caller.
    PrinterTarget(QPrinter &printer, const QString &printerName, Mode mode);
    PrinterTarget(std::unique_ptr<QPrinter> printer, const QString &printerName, Mode mode);
    ~PrinterTarget() override;
    PrinterTarget(const PrinterTarget &) = delete;
    PrinterTarget &operator=(const PrinterTarget &) = delete;

    QString printerName() const override { return printerName_; }
    PageGeometry prepareJob(const QString &title, QPageLayout::Orientation orientation) override;
    PageCanvas &beginJob() override;
    bool endJob() override;
    bool finishRun() override;
    bool showsFormOutlines() const override { return outlines_; }
    // For the preview only.
    void ShowFormOutlines() { outlines_ = true; }
    bool showsPaymentCode() const override { return paymentCode_; }
    // For the preview and PDF files only.
    void ShowPaymentCode() { paymentCode_ = true; }

private:
    QString failureText() const;

    std::unique_ptr<QPrinter> owned_;
    QPrinter &printer_;
    QString printerName_;
    Mode mode_;
    QPainter painter_;
    std::optional<PainterCanvas> canvas_;
    bool outlines_ = false;
    bool paymentCode_ = false;
};

// A PDF file in A4 at 600 dots per inch, the whole sheet printable.
std::unique_ptr<QPrinter> MakePdfPrinter(const QString &fileName);
