#pragma once

#include "KsefNumberSources.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <variant>

// One file offered as an invoice, with the sources of KSeF numbers beside it (its
// folder or ZIP).
struct InvoiceFile
{
    QString name;       // as the user knows it: a path, or "archive.zip:entry.xml"
    QString fileName;   // its own name, the last source of its KSeF number
    QByteArray bytes;
    QString problem;    // why it could not be read, in Polish; the bytes are then empty
    std::shared_ptr<const KsefNumberSources> numbers;
};

struct ImportFiles
{
    QList<InvoiceFile> invoices;
    QStringList warnings;   // sources of numbers that could not be read
};

// Reads invoice files, folders (their .xml files, not their subfolders) and ZIP files;
// receipts and _metadata.json are sources of numbers, never invoices. A path that
// cannot be read at all is the error, in Polish.
std::variant<ImportFiles, QString> ReadImportPaths(const QStringList &paths);
