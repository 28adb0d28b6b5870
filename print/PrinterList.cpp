#include "PrinterList.h"

#include <QPrinterInfo>

QString PdfPrinterName()
{
    return QStringLiteral("Plik PDF");
}

QStringList PrinterEntries()
{
    QStringList entries = QPrinterInfo::availablePrinterNames();
    entries.removeAll(PdfPrinterName());
    entries.append(PdfPrinterName());
    return entries;
}

QString DefaultPrinterEntry()
{
    const QString system = QPrinterInfo::defaultPrinterName();
    if (!system.isEmpty())
        return system;
    return PrinterEntries().first();
}
