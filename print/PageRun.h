#pragma once

#include "Globals.h"
#include "PageFrame.h"

#include <QList>
#include <functional>

class PrintTarget;

// One page of a print run, printed onto the run's target.
using PagePrinter = std::function<PageReport(PrintTarget &target)>;

// Prints the pages in order and closes the target's document. The first error
// stops the run and is shown to the user with its own text; when anything was
// written beyond the printable area the user is told once, after the pages.
// True when every page was printed.
bool PrintPages(PrintTarget &target, PrintForm form, const QList<PagePrinter> &pages);

// The message about items beyond the printable area.
QString CutOffMessage(PrintForm form, const QString &printerName, double cutOffMm);
