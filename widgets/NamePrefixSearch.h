#pragma once

#include <QString>

class Dataset;

// Moves the list to the first row, in the list's own order, whose field begins with
// the text, both taken without trailing blanks and upper-cased the Windows-1250 way;
// rows not read yet are read as far as needed. False, and the list where it stood,
// when the text is empty or no row matches. Never filters.
bool MoveToNamePrefix(Dataset &dataset, const QString &field, const QString &text);
