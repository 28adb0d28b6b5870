#include "WhitelistImport.h"

#include "IndexWriter.h"
#include "WhitelistPlace.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

std::variant<FlatFileSummary, QString> ImportFlatFile(const QString &file, const QString &indexDirectory,
                                                      ReadProgress *progress)
{
    if (!QDir().mkpath(indexDirectory))
        return QStringLiteral("Nie można utworzyć katalogu %1.").arg(QDir::toNativeSeparators(indexDirectory));
    // Beside the index, not in the system's temporary directory, which may be a small
    // file system in memory.
    QTemporaryDir work(QDir(indexDirectory).filePath(QStringLiteral("wczytywanie-XXXXXX")));
    if (!work.isValid())
        return QStringLiteral("Nie można utworzyć katalogu roboczego w %1: %2")
            .arg(QDir::toNativeSeparators(indexDirectory), work.errorString());
    IndexWriter writer(work.path());
    auto read = ReadFlatFile(file, writer, progress);
    if (const auto *failure = std::get_if<QString>(&read))
        return *failure;
    const FlatFileSummary summary = std::get<FlatFileSummary>(read);
    QSaveFile index(WhitelistIndexPath(indexDirectory));
    if (!index.open(QIODevice::WriteOnly))
        return QStringLiteral("Nie można zapisać indeksu wykazu %1: %2").arg(index.fileName(), index.errorString());
    if (!writer.writeIndex(index, summary, progress)) {
        index.cancelWriting();
        return writer.failure();
    }
    if (progress && progress->cancelled)
        return CancelledMessage();
    if (!index.commit())
        return QStringLiteral("Nie można zapisać indeksu wykazu %1: %2").arg(index.fileName(), index.errorString());
    return summary;
}
