#include "WhitelistIndex.h"

#include "IndexLayout.h"

#include <QtEndian>
#include <cstring>

QString WhitelistIndex::open(const QString &path)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QStringLiteral("Nie można otworzyć indeksu wykazu %1: %2").arg(path, file_.errorString());
    const QString damaged = QStringLiteral("Indeks wykazu %1 jest uszkodzony; wczytaj plik płaski ponownie.").arg(path);
    char header[IndexLayout::HeaderSize];
    if (!readAt(0, header, sizeof header) || std::memcmp(header, IndexLayout::Magic, 8) != 0)
        return damaged;
    summary_.date = QDate::fromString(QString::fromLatin1(header + 8, 8), QStringLiteral("yyyyMMdd"));
    summary_.rounds = int(qFromLittleEndian<quint32>(header + 16));
    summary_.masks = qFromLittleEndian<quint32>(header + 20);
    const quint64 active = qFromLittleEndian<quint64>(header + 24);
    const quint64 exempt = qFromLittleEndian<quint64>(header + 32);
    // Bounds first, so that the sizes below cannot overflow.
    if (!summary_.date.isValid() || summary_.rounds < 1 || summary_.rounds > MaxRounds || active > (1ull << 40) ||
        exempt > (1ull << 40))
        return damaged;
    summary_.active = qint64(active);
    summary_.exempt = qint64(exempt);
    tableStart_ = IndexLayout::HeaderSize + summary_.masks * MaskLength;
    recordsStart_ = tableStart_ + IndexLayout::TableSize;
    const qint64 records = summary_.active + summary_.exempt;
    if (file_.size() != recordsStart_ + records * qint64(sizeof(IndexLayout::Record)))
        return damaged;
    masks_.resize(summary_.masks * MaskLength);
    if (!readAt(IndexLayout::HeaderSize, masks_.data(), masks_.size()))
        return damaged;
    return {};
}

WhitelistIndex::Found WhitelistIndex::find(const ListDigest &digest)
{
    char bounds[16];
    if (!readAt(tableStart_ + qint64(IndexLayout::prefixOf(digest)) * 8, bounds, sizeof bounds))
        return Found::Unreadable;
    quint64 low = qFromLittleEndian<quint64>(bounds);
    quint64 high = qFromLittleEndian<quint64>(bounds + 8);
    const quint64 total = quint64(summary_.active + summary_.exempt);
    if (low > high || high > total)
        return Found::Unreadable;
    while (low < high) {
        const quint64 middle = low + (high - low) / 2;
        IndexLayout::Record record;
        if (!readAt(recordsStart_ + qint64(middle) * qint64(sizeof record), reinterpret_cast<char *>(&record),
                    sizeof record))
            return Found::Unreadable;
        if (record.digest == digest)
            return record.kind == char(ListKind::Active) ? Found::Active : Found::Exempt;
        if (record.digest < digest)
            low = middle + 1;
        else
            high = middle;
    }
    return Found::No;
}

bool WhitelistIndex::readAt(qint64 offset, char *into, qint64 length)
{
    return file_.seek(offset) && file_.read(into, length) == length;
}
