#include "ArchiveStream.h"

#include <QFile>
#include <QFileInfo>
#include <archive.h>
#include <archive_entry.h>

namespace {

QString archiveError(archive *a)
{
    const char *text = archive_error_string(a);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("nieznany błąd");
}

}

ArchiveStream::~ArchiveStream()
{
    if (archive_)
        archive_read_free(archive_);
}

QString ArchiveStream::open(const QString &path)
{
    // libarchive would call an empty file an unknown format.
    if (const QFileInfo info(path); info.isFile() && info.size() == 0)
        return QStringLiteral("Plik %1 jest pusty.").arg(path);
    archive_ = archive_read_new();
    if (!archive_)
        return QStringLiteral("Za mało pamięci, by otworzyć plik.");
    archive_read_support_format_7zip(archive_);
    archive_read_support_format_raw(archive_);
    if (archive_read_open_filename(archive_, QFile::encodeName(path).constData(), sizeof buffer_) != ARCHIVE_OK)
        return QStringLiteral("Nie można otworzyć pliku %1: %2").arg(path, archiveError(archive_));
    archive_entry *entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(archive_, &entry);
        if (status == ARCHIVE_EOF)
            return QStringLiteral("W archiwum %1 nie ma pliku .json.").arg(path);
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
            return QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, archiveError(archive_));
        if (archive_format(archive_) == ARCHIVE_FORMAT_RAW)
            break;
        const QString name = QString::fromUtf8(archive_entry_pathname_utf8(entry));
        if (archive_entry_filetype(entry) == AE_IFREG && name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
            break;
    }
    refill();
    return failure_;
}

ArchiveStream::Ch ArchiveStream::Take()
{
    if (next_ == end_)
        return '\0';
    const Ch c = *next_++;
    ++taken_;
    if (next_ == end_)
        refill();
    return c;
}

void ArchiveStream::refill()
{
    next_ = end_ = buffer_;
    if (finished_)
        return;
    const la_ssize_t read = archive_read_data(archive_, buffer_, sizeof buffer_);
    if (read < 0) {
        failure_ = QStringLiteral("Plik jest uszkodzony: %1").arg(archiveError(archive_));
        finished_ = true;
    } else if (read == 0) {
        finished_ = true;
    } else {
        end_ = buffer_ + read;
    }
}

qint64 ArchiveStream::fileBytesRead() const
{
    return archive_ ? qint64(archive_filter_bytes(archive_, -1)) : 0;
}
