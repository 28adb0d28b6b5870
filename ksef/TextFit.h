#pragma once

#include <QString>

// A text from an invoice made to fit a field of the given width: runs of white space
// become one space, the ends are trimmed, and a longer text is cut at its last space
// within width + 1 characters (the space dropped), or after the width'th character
// where it has none.
QString FitText(const QString &text, qsizetype width);
