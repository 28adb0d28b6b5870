#include "TDrukFrm.h"

#include "FileChooser.h"
#include "LayoutRenderer.h"
#include "MessageSeam.h"
#include "ModalSeam.h"
#include "PrinterList.h"
#include "PrinterTarget.h"
#include "TMarginesyFrm.h"
#include "TWybierzDrukarkeFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString PdfFolders = QStringLiteral("Pdf");

QString askPdfFile(QWidget *parent, const QString &proposedName)
{
    QString name = ChooseFile(parent, QStringLiteral("Zapisz wydruk do pliku PDF"),
                              QDir(UserFolder(PdfFolders)).filePath(proposedName), QStringLiteral("Pliki PDF (*.pdf)"),
                              true);
    if (name.isEmpty())
        return name;
    RememberFolder(PdfFolders, name);
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    return name;
}

void showPreview(QPrinter &printer, const std::function<void(QPrinter *)> &paint, QWidget *parent)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
    ModalSeam::run(preview);
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *btn = new QPushButton(caption, parent);
    btn->setObjectName(QLatin1String(name));
    return btn;
}

}

TDrukFrm::TDrukFrm(QWidget *parent) : QDialog(parent), printerName_(DefaultPrinterEntry())
{
    setObjectName(QStringLiteral("DrukFrm"));
    setWindowTitle(QStringLiteral("Przelew zwykły"));

    auto *printerBox = new QGroupBox(QStringLiteral("Drukarka"), this);
    currentPrinterLbl_ = new QLabel(printerBox);
    currentPrinterLbl_->setObjectName(QStringLiteral("CurrentPrinterLbl"));
    QFont bold = currentPrinterLbl_->font();
    bold.setBold(true);
    currentPrinterLbl_->setFont(bold);
    auto *printerSetupBtn = button(printerBox, "PrinterSetupBtn", QStringLiteral("D&rukarka"));
    auto *printerRow = new QHBoxLayout(printerBox);
    printerRow->addWidget(currentPrinterLbl_, 1);
    printerRow->addWidget(printerSetupBtn);

    edKopie_ = new QSpinBox(this);
    edKopie_->setObjectName(QStringLiteral("EdKopie"));
    edKopie_->setRange(1, 99);
    edKopie_->setValue(1);
    edWzor_ = new QComboBox(this);
    edWzor_->setObjectName(QStringLiteral("EdWzor"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Liczba kopii"), edKopie_);
    fields->addRow(QStringLiteral("&Wzór formularza"), edWzor_);

    edDuzeLitery_ = checkBox(this, "EdDuzeLitery", QStringLiteral("Drukuj wszystko dużymi literami"), true);
    edData_ = checkBox(this, "EdData", QStringLiteral("Drukuj datę złożenia przelewu, gdy podana"), false);

    zusBox_ = new QGroupBox(QStringLiteral("Drukuj"), this);
    zusBox_->setObjectName(QStringLiteral("ZusBox"));
    druk51_ = checkBox(zusBox_, "Druk51", QStringLiteral("społeczne"), true);
    druk52_ = checkBox(zusBox_, "Druk52", QStringLiteral("zdrowotne"), true);
    druk53_ = checkBox(zusBox_, "Druk53", QStringLiteral("FP i FGŚP"), true);
    auto *zusRow = new QHBoxLayout(zusBox_);
    zusRow->addWidget(druk51_);
    zusRow->addWidget(druk52_);
    zusRow->addWidget(druk53_);
    zusBox_->hide();

    auto *printBtn = button(this, "PrintBtn", QStringLiteral("&Drukuj"));
    printBtn->setDefault(true);
    auto *cancelBtn = button(this, "CancelBtn", QStringLiteral("&Anuluj"));
    auto *marginBtn = button(this, "MarginBtn", QStringLiteral("&Marginesy"));
    auto *previewBtn = button(this, "PreviewBtn", QStringLiteral("&Podgląd"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(printBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelBtn, QDialogButtonBox::RejectRole);
    buttons->addButton(marginBtn, QDialogButtonBox::ActionRole);
    buttons->addButton(previewBtn, QDialogButtonBox::ActionRole);

    connect(printBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(printerSetupBtn, &QPushButton::clicked, this, &TDrukFrm::PrinterSetupBtnClick);
    connect(marginBtn, &QPushButton::clicked, this, &TDrukFrm::MarginBtnClick);
    connect(previewBtn, &QPushButton::clicked, this, &TDrukFrm::PreviewBtnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(fields);
    layout->addWidget(edDuzeLitery_);
    layout->addWidget(edData_);
    layout->addWidget(zusBox_);
    layout->addWidget(buttons);

    pdfFileChooser_ = askPdfFile;
    previewShower_ = [this](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
        showPreview(printer, paint, this);
    };
    SetPrinterName(printerName_);
}

TDrukFrm::~TDrukFrm() = default;

int TDrukFrm::ShowForOrdinary()
{
    prepareForOrdinary();
    return ModalSeam::run(*this);
}

int TDrukFrm::ShowForTax()
{
    prepareForTax();
    return ModalSeam::run(*this);
}

int TDrukFrm::ShowForZus()
{
    prepareForZus();
    return ModalSeam::run(*this);
}

void TDrukFrm::prepareForOrdinary()
{
    prepare(Ordinary, QStringLiteral("Przelew zwykły"), {FormCaption(PrintForm::F110), FormCaption(PrintForm::K117)});
}

void TDrukFrm::prepareForTax()
{
    prepare(Tax, QStringLiteral("Przelew podatkowy"), {FormCaption(PrintForm::F130), FormCaption(PrintForm::K471)});
}

void TDrukFrm::prepareForZus()
{
    prepare(Zus, QStringLiteral("Przelew ZUS"), {FormCaption(PrintForm::F101)});
    druk51_->setChecked(true);
    druk52_->setChecked(true);
    druk53_->setChecked(true);
}

void TDrukFrm::prepare(Kind kind, const QString &caption, const QStringList &forms)
{
    kind_ = kind;
    setWindowTitle(caption);
    zusBox_->setVisible(kind == Zus);
    edWzor_->clear();
    edWzor_->addItems(forms);
    edWzor_->setCurrentIndex(0);
    currentPrinterLbl_->setText(printerName_);
}

void TDrukFrm::showEvent(QShowEvent *event)
{
    currentPrinterLbl_->setText(printerName_);
    QDialog::showEvent(event);
}

int TDrukFrm::Copies() const
{
    return edKopie_->value();
}

bool TDrukFrm::UpperCase() const
{
    return edDuzeLitery_->isChecked();
}

bool TDrukFrm::PrintDate() const
{
    return edData_->isChecked();
}

int TDrukFrm::FormIndex() const
{
    return edWzor_->currentIndex();
}

bool TDrukFrm::PrintComponent(int component) const
{
    switch (component) {
    case 51: return druk51_->isChecked();
    case 52: return druk52_->isChecked();
    case 53: return druk53_->isChecked();
    }
    return false;
}

PrintForm TDrukFrm::SelectedForm() const
{
    const bool second = FormIndex() == 1;
    switch (kind_) {
    case Ordinary: return second ? PrintForm::K117 : PrintForm::F110;
    case Tax: return second ? PrintForm::K471 : PrintForm::F130;
    case Zus: return PrintForm::F101;
    }
    return PrintForm::F110;
}

void TDrukFrm::SetPrinterName(const QString &name)
{
    printerName_ = name;
    if (name != PdfPrinterName())
        printer_.setPrinterName(name);
    currentPrinterLbl_->setText(name);
}

void TDrukFrm::setPdfFileChooser(PdfFileChooser chooser)
{
    pdfFileChooser_ = std::move(chooser);
}

void TDrukFrm::setPreviewShower(PreviewShower shower)
{
    previewShower_ = std::move(shower);
}

void TDrukFrm::setTargetFactory(TargetFactory factory)
{
    targetFactory_ = std::move(factory);
}

void TDrukFrm::setPagesSource(PagesSource source)
{
    pagesSource_ = std::move(source);
}

std::unique_ptr<PrintTarget> TDrukFrm::OpenTarget(const QString &pdfName)
{
    if (targetFactory_)
        return targetFactory_(printerName_);
    if (printerName_ == PdfPrinterName()) {
        const QString file = pdfFileChooser_(this, pdfName);
        if (file.isEmpty())
            return nullptr;
        auto pdf = std::make_unique<PrinterTarget>(MakePdfPrinter(file), printerName_, PrinterTarget::Mode::OneDocument);
        pdf->ShowPaymentCode();
        return pdf;
    }
    return std::make_unique<PrinterTarget>(printer_, printerName_, PrinterTarget::Mode::JobPerPage);
}

void TDrukFrm::PrinterSetupBtnClick()
{
    TWybierzDrukarkeFrm chooser(printer_, this);
    chooser.prepare(PrinterEntries(), printerName_);
    // The chooser's page set-up works on the printer itself; a cancel puts back the
    // printer and its page set-up as they were before.
    const QString printerName = printer_.printerName();
    const QPageLayout pageLayout = printer_.pageLayout();
    if (ModalSeam::run(chooser) == QDialog::Accepted) {
        SetPrinterName(chooser.ChosenPrinter());
        return;
    }
    printer_.setPrinterName(printerName);
    printer_.setPageLayout(pageLayout);
}

void TDrukFrm::MarginBtnClick()
{
    TMarginesyFrm margins(this);
    margins.setTrialPrint([this](PrintForm form, Margins typed) { trialPrint(form, typed); });
    margins.EditMargins(currentPrinterLbl_->text(), SelectedForm());
}

void TDrukFrm::trialPrint(PrintForm form, Margins margins)
{
    std::unique_ptr<PrintTarget> target = OpenTarget(QStringLiteral("proba-%1.pdf").arg(FormName(form)));
    if (!target)
        return;
    const FormLayout &layout = LayoutOf(form);
    PrintPages(*target, form, {[&](PrintTarget &on) { return RenderOutline(on, layout, margins); }});
}

void TDrukFrm::PreviewBtnClick()
{
    const QList<PagePrinter> pages = pagesSource_ ? pagesSource_() : QList<PagePrinter>();
    if (pages.isEmpty()) {
        MessageSeam::warning(QStringLiteral("Przy wybranych opcjach nie ma nic do wydrukowania."));
        return;
    }
    std::unique_ptr<QPrinter> pdf;
    if (printerName_ == PdfPrinterName())
        pdf = MakePdfPrinter(QString());
    QPrinter &printer = pdf ? *pdf : printer_;
    const PagePrinter first = pages.first();
    const QString name = printerName_;
    previewShower_(printer, [first, name](QPrinter *onto) {
        PrinterTarget target(*onto, name, PrinterTarget::Mode::OneDocument);
        target.ShowFormOutlines();
        target.ShowPaymentCode();
        try {
            first(target);
            target.finishRun();
        } catch (const PrintError &error) {
            MessageSeam::warning(QString::fromStdString(error.what()));
        } catch (const MarginsError &error) {
            MessageSeam::warning(QString::fromStdString(error.what()));
        }
    });
}
