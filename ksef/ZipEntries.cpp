#include "ZipEntries.h"

#include <QFile>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace {

struct ArchiveFree
{
    void operator()(archive *reader) const { archive_read_free(reader); }
};

QString failure(archive *reader, const QString &path)
{
    const char *why = archive_error_string(reader);
    return QStringLiteral("nie można odczytać archiwum ZIP %1: %2")
        .arg(path, why ? QString::fromLocal8Bit(why) : QStringLiteral("nieznany błąd"));
}

}

std::variant<QList<ZipEntry>, QString> ReadZipEntries(const QString &path, bool (*wanted)(const QString &name),
                                                      qint64 maxBytes)
{
    const std::unique_ptr<archive, ArchiveFree> reader(archive_read_new());
    if (!reader)
        return QStringLiteral("brak pamięci na odczyt archiwum ZIP %1").arg(path);
    archive_read_support_format_zip(reader.get());
    if (archive_read_open_filename(reader.get(), QFile::encodeName(path).constData(), 64 * 1024) != ARCHIVE_OK)
        return failure(reader.get(), path);
    QList<ZipEntry> entries;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    qint64 total = 0;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const char *utf8 = archive_entry_pathname_utf8(entry);
        const char *raw = archive_entry_pathname(entry);
        const QString name = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(raw ? raw : "");
        if (archive_entry_filetype(entry) != AE_IFREG || !wanted(name))
            continue;
        ZipEntry read{name, {}};
        char block[64 * 1024];
        la_ssize_t size = 0;
        while ((size = archive_read_data(reader.get(), block, sizeof block)) > 0) {
            // A small archive can unpack to gigabytes; no invoice, nor any export package,
            // comes near the limits.
            if (read.bytes.size() + size > maxBytes)
                return QStringLiteral("archiwum ZIP %1: plik %2 jest większy niż %3 MB")
                    .arg(path, name)
                    .arg(maxBytes / (1024 * 1024));
            total += size;
            if (total > maxBytes * 8)
                return QStringLiteral("archiwum ZIP %1 rozpakowane przekracza %2 MB")
                    .arg(path)
                    .arg(maxBytes * 8 / (1024 * 1024));
            read.bytes.append(block, qsizetype(size));
        }
        if (size < 0)
            return failure(reader.get(), path);
        entries << read;
    }
    if (status != ARCHIVE_EOF)
        return failure(reader.get(), path);
    return entries;
}
