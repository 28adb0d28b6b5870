#pragma once

#include <QString>

// Character classes shared by the checks and formatters of this folder.
namespace TextChars {

// Only '0'..'9': other scripts' digits and full-width forms never count.
inline bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
inline int digitValue(QChar c) { return c.unicode() - u'0'; }

// Space, hyphen and the underscore that a masked edit field shows for an unfilled position.
inline bool isSeparator(QChar c) { return c == u' ' || c == u'-' || c == u'_'; }

// Removes leading and trailing spaces and control characters (anything up to U+0020),
// but not other Unicode white space, which no identifier field can legitimately hold.
QString trimControls(const QString &text);

}
