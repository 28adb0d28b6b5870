#include "FlatFiles.h"

#include <QCryptographicHash>
#include <QFile>
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

QString EntryHash(const QString &text, int rounds)
{
    QByteArray value = text.toLatin1();
    for (int round = 0; round < rounds; ++round)
        value = QCryptographicHash::hash(value, QCryptographicHash::Sha512).toHex();
    return QString::fromLatin1(value);
}

FlatFile FlatFile::sample(int rounds)
{
    FlatFile file;
    file.rounds = rounds;
    QString virtualMasked = Sample::VirtualAccount;
    for (int i = 0; i < Sample::Mask.size(); ++i)
        if (Sample::Mask[i] == u'X')
            virtualMasked[i] = u'X';
    file.active = {EntryHash(Sample::Day + Sample::Nip + Sample::ActiveAccount, file.rounds),
                   EntryHash(Sample::Day + Sample::Nip + virtualMasked, file.rounds)};
    file.exempt = {EntryHash(Sample::Day + Sample::Nip + Sample::ExemptAccount, file.rounds)};
    file.masks = {Sample::Mask, QStringLiteral("YY11402004XXXXXXYYYYYYYYYY")};
    return file;
}

QByteArray FlatFile::json() const
{
    const auto array = [](const QStringList &items) {
        return items.isEmpty() ? QByteArray("[]") : "[\"" + items.join(QStringLiteral("\",\"")).toLatin1() + "\"]";
    };
    return "{\"naglowek\":{\"dataGenerowaniaDanych\":\"" + day.toLatin1() + "\",\"liczbaTransformacji\":\"" +
           QByteArray::number(rounds) + "\",\"schemat\":\"RR\"},\n\"skrotyPodatnikowCzynnych\":" + array(active) +
           ",\n\"skrotyPodatnikowZwolnionych\":" + array(exempt) + ",\n\"maski\":" + array(masks) + "}\n";
}

void WriteFlatFile(const QString &path, const QByteArray &json, const QString &entryName)
{
    if (!path.endsWith(QLatin1String(".7z"))) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(json), json.size());
        return;
    }
    archive *out = archive_write_new();
    ASSERT_EQ(archive_write_set_format_7zip(out), ARCHIVE_OK);
    ASSERT_EQ(archive_write_open_filename(out, QFile::encodeName(path).constData()), ARCHIVE_OK);
    archive_entry *entry = archive_entry_new();
    archive_entry_set_pathname(entry, entryName.toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, json.size());
    EXPECT_EQ(archive_write_header(out, entry), ARCHIVE_OK);
    EXPECT_EQ(archive_write_data(out, json.constData(), size_t(json.size())), json.size());
    archive_entry_free(entry);
    EXPECT_EQ(archive_write_close(out), ARCHIVE_OK);
    archive_write_free(out);
}
