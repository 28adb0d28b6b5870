#include "Globals.h"

QString FormName(PrintForm form)
{
    switch (form) {
    case PrintForm::F101: return QStringLiteral("F-101");
    case PrintForm::F110: return QStringLiteral("F-110");
    case PrintForm::F130: return QStringLiteral("F-130");
    case PrintForm::K117: return QStringLiteral("K-117");
    case PrintForm::K471: return QStringLiteral("K-471");
    }
    return QString();
}

QString FormCaption(PrintForm form)
{
    switch (form) {
    case PrintForm::F101:
    case PrintForm::F110:
    case PrintForm::F130:
    case PrintForm::K471: return FormName(form) + QStringLiteral("  (2 odcinki)");
    case PrintForm::K117: return FormName(form) + QStringLiteral("  (4 odcinki)");
    }
    return QString();
}
