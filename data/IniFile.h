#pragma once

#include <QString>

// Reads one value of a classic ini file ("[Section]", "Key=Value"), as the Windows
// profile functions do: section and key compared without regard to case, only the
// first section of the name read, the value taken verbatim (backslashes and commas are
// plain characters, so Windows paths survive) but for enclosing quotation marks, which
// are dropped. Empty text when the file, the section or the key is missing.
QString ReadIniValue(const QString &path, const QString &section, const QString &key);
