#pragma once

#include "FlatFileReader.h"

#include <variant>

// Reads a flat file (.7z or .json) into the index of the directory. The new index is
// written under a temporary name and takes the place of the old one only when the
// whole file was read, is a complete list and was not cancelled: a broken or
// truncated file, a full disk or a cancel leave the previous index as it was.
std::variant<FlatFileSummary, QString> ImportFlatFile(const QString &file, const QString &indexDirectory,
                                                      ReadProgress *progress = nullptr);
