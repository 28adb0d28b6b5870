#pragma once

#include "Globals.h"
#include "PageRun.h"

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class PrintTarget;

// The print dialog: printer, form, number of copies and options. Created once at
// start-up and kept, so that its options persist from print to print.
class TDrukFrm : public QDialog
{
    Q_OBJECT
public:
    enum Kind { Ordinary = 0, Tax = 1, Zus = 2 };

    // Asks for the PDF file of one print run, offering proposedName (a file name without
    // a folder); an empty name cancels the run.
    using PdfFileChooser = std::function<QString(QWidget *parent, const QString &proposedName)>;
    // Shows the preview of the printer's pages; paint draws them onto the printer it is given.
    using PreviewShower = std::function<void(QPrinter &printer, const std::function<void(QPrinter *)> &paint)>;
    // Opens the target of one print run on the named printer entry; nullptr cancels the run.
    using TargetFactory = std::function<std::unique_ptr<PrintTarget>(const QString &printerName)>;
    // The pages the current options would print, for the preview.
    using PagesSource = std::function<QList<PagePrinter>()>;

    explicit TDrukFrm(QWidget *parent = nullptr);
    ~TDrukFrm() override;

    // Prepare for the kind, show modally, and return the dialog's result.
    int ShowForOrdinary();
    int ShowForTax();
    int ShowForZus();
    // The preparation alone, without showing.
    void prepareForOrdinary();
    void prepareForTax();
    void prepareForZus();

    Kind CurrentKind() const { return kind_; }
    int Copies() const;
    bool UpperCase() const;
    bool PrintDate() const;
    int FormIndex() const;
    // Whether the ZUS component (51, 52 or 53) is to be printed.
    bool PrintComponent(int component) const;
    // The form of the kind and the selected entry of EdWzor.
    PrintForm SelectedForm() const;

    // The printer entry that prints: a system printer's name or PdfPrinterName().
    QString PrinterName() const { return printerName_; }
    void SetPrinterName(const QString &name);

    void setPdfFileChooser(PdfFileChooser chooser);
    void setPreviewShower(PreviewShower shower);
    void setTargetFactory(TargetFactory factory);
    void setPagesSource(PagesSource source);

    // The target of one print run on the current printer; nullptr when the user
    // gave no PDF file. pdfName is the file name offered for a PDF.
    std::unique_ptr<PrintTarget> OpenTarget(const QString &pdfName);

    void PrinterSetupBtnClick();
    void MarginBtnClick();
    void PreviewBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepare(Kind kind, const QString &caption, const QStringList &forms);
    void trialPrint(PrintForm form, Margins margins);

    Kind kind_ = Ordinary;
    QString printerName_;
    QPrinter printer_{QPrinter::HighResolution};
    QLabel *currentPrinterLbl_;
    QSpinBox *edKopie_;
    QComboBox *edWzor_;
    QCheckBox *edDuzeLitery_;
    QCheckBox *edData_;
    QGroupBox *zusBox_;
    QCheckBox *druk51_;
    QCheckBox *druk52_;
    QCheckBox *druk53_;
    PdfFileChooser pdfFileChooser_;
    PreviewShower previewShower_;
    TargetFactory targetFactory_;
    PagesSource pagesSource_;
};
