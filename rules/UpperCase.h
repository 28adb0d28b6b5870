#pragma once

#include <QString>

// The program's one upper-casing: every character that has an upper-case form in
// Windows-1250 becomes that form, one character for one, so the text never changes
// length (ß and characters without such a form, or outside Windows-1250, stay as they are).
QString UpperCp1250(const QString &text);
