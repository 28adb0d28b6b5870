#pragma once

#include "Typy.h"

class TDrukFrm;

// The print run of the main window's print button, for a record already loaded:
// shows the print dialog for the record's kind and, unless it is cancelled, prints
// the chosen form as many times as there are copies, each copy one job of one page.
// A ZUS order prints components 51, 52 and 53 in this order, each only when checked
// and its amount is above zero, all copies of one before the next. Errors stop the
// run and are shown to the user. The database is never touched.
// True when the dialog was confirmed and every page was printed.
bool RunPrint(const TZwykly &record, TDrukFrm &dialog);
bool RunPrint(const TPodatkowy &record, TDrukFrm &dialog);
bool RunPrint(const TZUS &record, TDrukFrm &dialog);
