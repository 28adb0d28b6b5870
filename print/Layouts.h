#pragma once

#include "PageFrame.h"
#include "Typy.h"

class PrintTarget;

// One copy of a transfer on its form: one page as one print job.
// Throw PrintError and MarginsError.
PageReport PrintF110(PrintTarget &target, const TZwykly &record, bool upperCase, bool printDate);
PageReport PrintK117(PrintTarget &target, const TZwykly &record, bool upperCase, bool printDate);
PageReport PrintF130(PrintTarget &target, const TPodatkowy &record, bool upperCase, bool printDate);
PageReport PrintK471(PrintTarget &target, const TPodatkowy &record, bool upperCase, bool printDate);
// Prints the record's current component. F-101 carries no date, so the date option is taken and ignored.
PageReport PrintF101(PrintTarget &target, const TZUS &record, bool upperCase, bool printDate);
