#include "FlatFiles.h"
#include "WhitelistCheck.h"
#include "WhitelistImport.h"
#include "WhitelistPlace.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QDate listDay(const QString &directory)
{
    const WhitelistResult result = CheckOnWhitelist(directory, Sample::Nip, Sample::ActiveAccount, QDate(2000, 1, 1));
    return std::holds_alternative<WhitelistError>(result) ? std::get<WhitelistError>(result).listDate : QDate();
}

QByteArray replaced(QByteArray json, const char *from, const char *to)
{
    return json.replace(from, to);
}

struct RefusedRow
{
    const char *what;
    QByteArray content;
    const char *fileName = "lista.json"; // a name ending in .7z makes an archive
    const char *message = "";            // a part of the message the import gives
    qint64 cutBytes = 0;                 // cut off the end of the file written
    QString entryName = Sample::Day + ".json";
};

}

TEST(ImportTest, AFileThatIsNotACompleteListIsRefusedAndThePreviousListStays)
{
    QTemporaryDir directory;
    FlatFile previous = FlatFile::sample();
    previous.day = QStringLiteral("20261130");
    const QString previousFile = directory.filePath(QStringLiteral("poprzedni.json"));
    WriteFlatFile(previousFile, previous.json());

    const FlatFile sample = FlatFile::sample();
    const QByteArray good = sample.json();
    const QByteArray digest = sample.active.first().toLatin1();
    const RefusedRow rows[] = {
        {"cut in the middle of a digest", good, "lista.json", "niekompletny albo uszkodzony", good.size() / 2},
        {"cut before its closing brace", good, "lista.json", "niekompletny albo uszkodzony", 2},
        {"an archive cut short", good, "lista.7z", "lista.7z", 40},
        {"an archive without a .json entry", good, "lista.7z", "nie ma pliku .json", 0, QStringLiteral("lista.txt")},
        {"empty", "", "lista.json", "pusty"},
        {"not JSON at all", "PK\3\4 not a list", "lista.json", "uszkodzony"},
        {"a JSON array", "[]", "lista.json", "nie jest obiektem"},
        {"something after the list", good + "{}", "lista.json", "Po końcu wykazu"},
        {"a NUL byte and more after the list", good + QByteArray("\0{}", 3), "lista.json", "Po końcu wykazu"},
        {"without masks", replaced(good, ",\n\"maski\":", ",\n\"inne\":"), "lista.json", "„maski”"},
        {"without the exempt", replaced(good, "skrotyPodatnikowZwolnionych", "zwolnieni"), "lista.json",
         "„skrotyPodatnikowZwolnionych”"},
        {"a digest one character short", replaced(good, digest, digest.left(127)), "lista.json", "skrótem SHA-512"},
        {"a digest with a character that is not hexadecimal", replaced(good, digest, "g" + digest.mid(1)), "lista.json",
         "skrótem SHA-512"},
        {"a mask of 25 characters", replaced(good, Sample::Mask.toLatin1(), Sample::Mask.left(25).toLatin1()),
         "lista.json", "Maska nr 1"},
        {"a mask with a letter other than X and Y", replaced(good, Sample::Mask.toLatin1(), "ZY10501045XXXXYYYYYYYYYYYY"),
         "lista.json", "Maska nr 1"},
        {"a day that does not exist", replaced(good, Sample::Day.toLatin1(), "20260231"), "lista.json", "RRRRMMDD"},
        {"rounds of 0", replaced(good, "\"5000\"", "\"0\""), "lista.json", "Liczba transformacji"},
        {"rounds that are not a whole number", replaced(good, "\"5000\"", "\"5e3\""), "lista.json",
         "Liczba transformacji"},
        {"rounds as an object", replaced(good, "\"5000\"", "{}"), "lista.json", "zły typ"},
        {"digests as an object",
         replaced(good, "\"skrotyPodatnikowCzynnych\":[", "\"skrotyPodatnikowCzynnych\":{\"a\":["), "lista.json",
         "zły typ"},
        {"a number among the digests",
         replaced(good, "\"skrotyPodatnikowCzynnych\":[", "\"skrotyPodatnikowCzynnych\":[1,"), "lista.json",
         "innego niż teksty"},
        {"the header twice", replaced(good, "\"maski\"", "\"naglowek\":{},\"maski\""), "lista.json", "dwa razy"},
    };
    for (const RefusedRow &row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(std::holds_alternative<FlatFileSummary>(ImportFlatFile(previousFile, directory.path())));
        const QString file = directory.filePath(QLatin1String(row.fileName));
        QFile::remove(file);
        WriteFlatFile(file, row.content, row.entryName);
        if (row.cutBytes) {
            QFile written(file);
            ASSERT_TRUE(written.resize(written.size() - row.cutBytes));
        }
        const auto imported = ImportFlatFile(file, directory.path());
        ASSERT_TRUE(std::holds_alternative<QString>(imported));
        EXPECT_TRUE(std::get<QString>(imported).contains(QString::fromUtf8(row.message)))
            << std::get<QString>(imported).toStdString();
        EXPECT_EQ(listDay(directory.path()), QDate(2026, 11, 30));
    }

    const auto missing = ImportFlatFile(directory.filePath(QStringLiteral("brak.json")), directory.path());
    ASSERT_TRUE(std::holds_alternative<QString>(missing));
    EXPECT_TRUE(std::get<QString>(missing).contains(QStringLiteral("Nie można otworzyć")));

    ReadProgress cancelled;
    cancelled.cancelled = true;
    const auto imported = ImportFlatFile(previousFile, directory.path(), &cancelled);
    ASSERT_TRUE(std::holds_alternative<QString>(imported));
    EXPECT_EQ(std::get<QString>(imported), CancelledMessage());
    EXPECT_EQ(listDay(directory.path()), QDate(2026, 11, 30));
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList())
        << "the working files are gone";
}

namespace {

struct AcceptedRow
{
    const char *what;
    QByteArray content;
    const char *fileName;
};

QByteArray manyEntries(FlatFile list, int extra)
{
    QRandomGenerator random(25);
    for (int i = 0; i < extra; ++i) {
        QByteArray digest(64, '\0');
        random.fillRange(reinterpret_cast<quint32 *>(digest.data()), 16);
        (i % 3 ? list.active : list.exempt) << QString::fromLatin1(digest.toHex());
    }
    return list.json();
}

}

TEST(ImportTest, TheListIsFoundAsTheMinistryMayWriteIt)
{
    const FlatFile sample = FlatFile::sample();
    const QByteArray reordered =
        "{\"inne\":{\"a\":[1,{\"b\":null}],\"c\":\"d\"},\"maski\":[\"" + sample.masks.join("\",\"").toLatin1() +
        "\"],\"skrotyPodatnikowZwolnionych\":[\"" + sample.exempt.first().toUpper().toLatin1() +
        "\"],\"skrotyPodatnikowCzynnych\":[\"" + sample.active.join("\",\"").toLatin1() +
        "\"],\"naglowek\":{\"schemat\":\"RR\",\"nowe\":[1,{}],\"liczbaTransformacji\":5000,"
        "\"dataGenerowaniaDanych\":\"20261211\"}}";
    const AcceptedRow rows[] = {
        {"the .7z archive as published", sample.json(), "20261211.7z"},
        {"parts in another order, parts unknown, a digest in capitals, rounds as a number", reordered, "lista.json"},
        // Enough for every bucket to spill to its file and every prefix to be met.
        {"300 000 entries", manyEntries(FlatFile::sample(1), 300000), "duzy.json"},
    };
    for (const AcceptedRow &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir directory;
        const QString file = directory.filePath(QLatin1String(row.fileName));
        WriteFlatFile(file, row.content);
        const auto imported = ImportFlatFile(file, directory.path());
        ASSERT_TRUE(std::holds_alternative<FlatFileSummary>(imported)) << std::get<QString>(imported).toStdString();
        EXPECT_EQ(std::get<FlatFileSummary>(imported).date, QDate(2026, 12, 11));
        EXPECT_EQ(std::get<FlatFileSummary>(imported).masks, 2);
        const auto status = [&](const QString &account) {
            const WhitelistResult result = CheckOnWhitelist(directory.path(), Sample::Nip, account, QDate(2026, 12, 11));
            return std::holds_alternative<WhitelistAnswer>(result) ? std::get<WhitelistAnswer>(result).status
                                                                  : WhitelistStatus::NotListed;
        };
        EXPECT_EQ(status(Sample::ActiveAccount), WhitelistStatus::Active);
        EXPECT_EQ(status(Sample::ExemptAccount), WhitelistStatus::Exempt);
        EXPECT_EQ(status(Sample::VirtualAccount), WhitelistStatus::Virtual);
        EXPECT_EQ(status(Sample::UnlistedAccount), WhitelistStatus::NotListed);
    }
}
