#include "TextFit.h"

QString FitText(const QString &text, qsizetype width)
{
    const QString simple = text.simplified();
    if (simple.size() <= width)
        return simple;
    const qsizetype space = simple.lastIndexOf(u' ', width);
    return simple.left(space > 0 ? space : width);
}
