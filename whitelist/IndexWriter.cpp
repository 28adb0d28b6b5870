#include "IndexWriter.h"

#include "IndexLayout.h"

#include <QDir>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr int BucketCount = 256;
constexpr qsizetype BufferSize = 1 << 16;
// A hostile file could name millions of masks; the Ministry's carries thousands.
constexpr qsizetype MaxMasks = 1000000;

template <typename T>
QByteArray littleEndian(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

}

IndexWriter::IndexWriter(const QString &workDirectory)
    : workDirectory_(workDirectory), buckets_(BucketCount), pending_(BucketCount),
      prefixCounts_(IndexLayout::PrefixCount, 0)
{}

bool IndexWriter::addDigest(ListKind kind, const ListDigest &digest)
{
    const int bucket = digest[0];
    QByteArray &buffer = pending_[bucket];
    buffer.append(reinterpret_cast<const char *>(digest.data()), qsizetype(digest.size()));
    buffer.append(char(kind));
    ++prefixCounts_[IndexLayout::prefixOf(digest)];
    return buffer.size() < BufferSize || flush(bucket);
}

bool IndexWriter::addMask(const char *mask)
{
    if (masks_.size() >= MaxMasks * MaskLength)
        return fail(QStringLiteral("Plik podaje więcej niż %1 masek rachunków wirtualnych.").arg(MaxMasks));
    masks_.append(mask, MaskLength);
    return true;
}

bool IndexWriter::flush(int bucket)
{
    auto &file = buckets_[bucket];
    if (!file) {
        file = std::make_unique<QFile>(QDir(workDirectory_).filePath(QStringLiteral("kubelek-%1").arg(bucket)));
        if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate))
            return fail(QStringLiteral("Nie można utworzyć pliku roboczego %1: %2").arg(file->fileName(), file->errorString()));
    }
    QByteArray &buffer = pending_[bucket];
    if (file->write(buffer) != buffer.size())
        return fail(QStringLiteral("Nie można zapisać pliku roboczego %1: %2").arg(file->fileName(), file->errorString()));
    buffer.clear();
    return true;
}

bool IndexWriter::writeIndex(QIODevice &out, const FlatFileSummary &summary, const ReadProgress *progress)
{
    QByteArray header(IndexLayout::Magic, 8);
    header += summary.date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    header += littleEndian<quint32>(quint32(summary.rounds));
    header += littleEndian<quint32>(quint32(masks_.size() / MaskLength));
    header += littleEndian<quint64>(quint64(summary.active));
    header += littleEndian<quint64>(quint64(summary.exempt));
    QByteArray table;
    table.reserve(IndexLayout::TableSize);
    quint64 first = 0;
    for (const quint64 count : prefixCounts_) {
        table += littleEndian(first);
        first += count;
    }
    table += littleEndian(first);
    if (out.write(header) != header.size() || out.write(masks_) != masks_.size() || out.write(table) != table.size())
        return fail(QStringLiteral("Nie można zapisać indeksu wykazu: %1").arg(out.errorString()));
    for (int bucket = 0; bucket < BucketCount; ++bucket) {
        if (progress && progress->cancelled)
            return fail(CancelledMessage());
        if (!writeBucket(out, bucket))
            return false;
    }
    return true;
}

bool IndexWriter::writeBucket(QIODevice &out, int bucket)
{
    std::vector<IndexLayout::Record> records;
    if (auto &file = buckets_[bucket]) {
        if (!flush(bucket))
            return false;
        records.resize(std::size_t(file->size() / qint64(sizeof(IndexLayout::Record))));
        const qint64 bytes = qint64(records.size() * sizeof(IndexLayout::Record));
        if (!file->seek(0) || file->read(reinterpret_cast<char *>(records.data()), bytes) != bytes)
            return fail(QStringLiteral("Nie można odczytać pliku roboczego %1: %2").arg(file->fileName(), file->errorString()));
        file->remove();
        file.reset();
    } else {
        const QByteArray &buffer = pending_[bucket];
        records.resize(std::size_t(buffer.size()) / sizeof(IndexLayout::Record));
        if (!records.empty())
            std::memcpy(records.data(), buffer.constData(), records.size() * sizeof(IndexLayout::Record));
    }
    pending_[bucket] = QByteArray();
    std::sort(records.begin(), records.end(), [](const IndexLayout::Record &a, const IndexLayout::Record &b) {
        return a.digest < b.digest;
    });
    const qint64 bytes = qint64(records.size() * sizeof(IndexLayout::Record));
    if (out.write(reinterpret_cast<const char *>(records.data()), bytes) != bytes)
        return fail(QStringLiteral("Nie można zapisać indeksu wykazu: %1").arg(out.errorString()));
    return true;
}

bool IndexWriter::fail(const QString &message)
{
    failure_ = message;
    return false;
}
