#include "PageRun.h"

#include "MessageSeam.h"
#include "PrintTarget.h"

#include <algorithm>
#include <cmath>

QString CutOffMessage(PrintForm form, const QString &printerName, double cutOffMm)
{
    // Rounded up to a tenth, so that a cut never reads as "0,0 mm".
    const double shown = std::ceil(cutOffMm * 10.0) / 10.0;
    return QStringLiteral("Formularz %1 wychodzi poza obszar, który drukarka „%2” może zadrukować: "
                          "do %3 mm wydruku zostało obcięte. Sprawdź marginesy (przycisk „Marginesy”).")
        .arg(FormName(form), printerName, QString::number(shown, 'f', 1).replace(u'.', u','));
}

bool PrintPages(PrintTarget &target, PrintForm form, const QList<PagePrinter> &pages)
{
    double cutOffMm = 0;
    try {
        for (const PagePrinter &page : pages)
            cutOffMm = std::max(cutOffMm, page(target).cutOffMm);
        if (!target.finishRun())
            throw PrintError(QStringLiteral("Wydruk na drukarce „%1” nie został zakończony.")
                                 .arg(target.printerName())
                                 .toStdString());
    } catch (const PrintError &error) {
        MessageSeam::warning(QString::fromStdString(error.what()));
        return false;
    } catch (const MarginsError &error) {
        MessageSeam::warning(QString::fromStdString(error.what()));
        return false;
    }
    if (cutOffMm > 0)
        MessageSeam::warning(CutOffMessage(form, target.printerName(), cutOffMm));
    return true;
}
