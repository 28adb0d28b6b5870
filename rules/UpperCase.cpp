#include "UpperCase.h"

#include "Cp1250.h"

QString UpperCp1250(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (!Cp1250::holds(c))
            continue;
        // Single-character mapping only, and it must stay in the code page: µ would become
        // the Greek capital Mu, which Windows-1250 cannot store or print.
        const QChar mapped = c.toUpper();
        if (Cp1250::holds(mapped))
            c = mapped;
    }
    return upper;
}
