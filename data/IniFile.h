#pragma once

#include <QString>

// Reads one value of a classic ini file ("[Section]", "Key=Value"), as the Windows
// profile functions do: section and key compared without regard to case, only the
// first section of the name read, the value taken verbatim (backslashes and commas are
// plain characters, so Windows paths survive) but for enclosing quotation marks, which
// are dropped. Empty text when the file, the section or the key is missing.
QString ReadIniValue(const QString &path, const QString &section, const QString &key);

// Sets one value, keeping every other line of the file as it stands: the first line
// of the key in the first section of the name is replaced, or the key is added at the
// end of that section, or the section at the end of the file. The file is replaced
// whole or not at all, and written in UTF-8. Empty on success, otherwise what went
// wrong, for the user.
QString WriteIniValue(const QString &path, const QString &section, const QString &key, const QString &value);
