#pragma once

#include <QString>
#include <QStringList>

// The entry that writes the pages into a PDF file instead of onto paper.
QString PdfPrinterName();

// The system's printers followed by the PDF file, which is always offered.
QStringList PrinterEntries();

// The system's default printer, else its first one, else the PDF file.
QString DefaultPrinterEntry();
