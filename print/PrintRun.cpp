#include "PrintRun.h"

#include "Layouts.h"
#include "PrintTarget.h"
#include "TDrukFrm.h"

#include <memory>

namespace {

constexpr int ZusComponents[] = {51, 52, 53};

QList<PagePrinter> copiesOf(const PagePrinter &page, int copies)
{
    QList<PagePrinter> pages;
    for (int i = 0; i < copies; ++i)
        pages.append(page);
    return pages;
}

QList<PagePrinter> ordinaryPages(const TZwykly &record, const TDrukFrm &dialog)
{
    const auto print = dialog.SelectedForm() == PrintForm::K117 ? PrintK117 : PrintF110;
    const bool upperCase = dialog.UpperCase();
    const bool printDate = dialog.PrintDate();
    return copiesOf([&record, print, upperCase, printDate](PrintTarget &target) {
        return print(target, record, upperCase, printDate);
    }, dialog.Copies());
}

QList<PagePrinter> taxPages(const TPodatkowy &record, const TDrukFrm &dialog)
{
    const auto print = dialog.SelectedForm() == PrintForm::K471 ? PrintK471 : PrintF130;
    const bool upperCase = dialog.UpperCase();
    const bool printDate = dialog.PrintDate();
    return copiesOf([&record, print, upperCase, printDate](PrintTarget &target) {
        return print(target, record, upperCase, printDate);
    }, dialog.Copies());
}

// Each page holds its own copy of the record set to its component.
QList<PagePrinter> zusPages(const TZUS &record, const TDrukFrm &dialog)
{
    QList<PagePrinter> pages;
    const bool upperCase = dialog.UpperCase();
    const bool printDate = dialog.PrintDate();
    for (const int component : ZusComponents) {
        if (!dialog.PrintComponent(component) || record.ComponentAmount(component) <= Money())
            continue;
        auto forComponent = std::make_shared<TZUS>(record);
        forComponent->SetCurrentComponent(component);
        pages += copiesOf([forComponent, upperCase, printDate](PrintTarget &target) {
            return PrintF101(target, *forComponent, upperCase, printDate);
        }, dialog.Copies());
    }
    return pages;
}

// The preview asks for the pages while the dialog is open; it must not outlive the run.
class PagesSourceScope
{
public:
    PagesSourceScope(TDrukFrm &dialog, TDrukFrm::PagesSource source) : dialog_(dialog)
    {
        dialog_.setPagesSource(std::move(source));
    }
    ~PagesSourceScope() { dialog_.setPagesSource(nullptr); }
    PagesSourceScope(const PagesSourceScope &) = delete;
    PagesSourceScope &operator=(const PagesSourceScope &) = delete;

private:
    TDrukFrm &dialog_;
};

// A name that tells the orders' files apart in one folder: kind, number and the
// order's date (today's for an order without one, which goes the day it is handed in).
QString pdfName(const char *kind, qint32 id, const QDate &transferDate)
{
    const QDate day = DateValue::isSet(transferDate) ? transferDate : QDate::currentDate();
    return QStringLiteral("przelew-%1-%2-%3.pdf").arg(QLatin1String(kind)).arg(id).arg(day.toString(Qt::ISODate));
}

template<typename Record, typename Pages>
bool run(const Record &record, TDrukFrm &dialog, int (TDrukFrm::*show)(), Pages pagesOf, const char *kind)
{
    PagesSourceScope scope(dialog, [&record, &dialog, pagesOf] { return pagesOf(record, dialog); });
    if ((dialog.*show)() != QDialog::Accepted)
        return false;
    const QList<PagePrinter> pages = pagesOf(record, dialog);
    if (pages.isEmpty())
        return true;
    std::unique_ptr<PrintTarget> target = dialog.OpenTarget(pdfName(kind, record.Id, record.TransferDate));
    if (!target)
        return false;
    return PrintPages(*target, dialog.SelectedForm(), pages);
}

}

bool RunPrint(const TZwykly &record, TDrukFrm &dialog)
{
    return run(record, dialog, &TDrukFrm::ShowForOrdinary, ordinaryPages, "zwykly");
}

bool RunPrint(const TPodatkowy &record, TDrukFrm &dialog)
{
    return run(record, dialog, &TDrukFrm::ShowForTax, taxPages, "podatkowy");
}

bool RunPrint(const TZUS &record, TDrukFrm &dialog)
{
    return run(record, dialog, &TDrukFrm::ShowForZus, zusPages, "zus");
}
