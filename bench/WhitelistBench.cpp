#include "WhitelistBench.h"

#include "BenchTools.h"
#include "WhitelistCheck.h"
#include "WhitelistImport.h"
#include "WhitelistIndex.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

const QString Nip = QStringLiteral("5260250274");
const QString Account = QStringLiteral("61109010140000071219812874");
constexpr int Rounds = 5000;

// Written plainly, apart from the program's own hashing, which the import is to match.
QByteArray entryHash(const QByteArray &text)
{
    QByteArray value = text;
    for (int round = 0; round < Rounds; ++round)
        value = QCryptographicHash::hash(value, QCryptographicHash::Sha512).toHex();
    return value;
}

// Random entries with one known pair among them, and a few masks, one of them of the
// known account's bank, so that a check of another account of that bank walks a mask.
// The file is on disk before anything is timed: a gigabyte still being written back
// would slow down whichever reading happens to run meanwhile.
void writeFlatFile(const QString &path, const QDate &day, long long hashes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the flat file");
    const QByteArray date = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    QByteArray out = "{\"naglowek\":{\"dataGenerowaniaDanych\":\"" + date + "\",\"liczbaTransformacji\":\"" +
                     QByteArray::number(Rounds) + "\",\"schemat\":\"RR\"},\"skrotyPodatnikowCzynnych\":[\"" +
                     entryHash(date + Nip.toLatin1() + Account.toLatin1()) + '"';
    const long long exemptFrom = hashes - hashes / 10;
    QByteArray digest(64, '\0');
    for (long long i = 1; i < hashes; ++i) {
        if (i == exemptFrom)
            out += "],\"skrotyPodatnikowZwolnionych\":[";
        else
            out += ',';
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(digest.data()), 16);
        out += '"' + digest.toHex() + '"';
        if (out.size() > (1 << 20)) {
            file.write(out);
            out.clear();
        }
    }
    if (exemptFrom >= hashes || exemptFrom < 1)
        out += "],\"skrotyPodatnikowZwolnionych\":[";
    out += "],\"maski\":[\"YY10901014XXXXXXYYYYYYYYYY\"";
    for (int bank = 0; bank < 20; ++bank)
        out += ",\"YY" + QByteArray::number(20000000 + bank * 7919) + "XXXXYYYYYYYYYYYY\"";
    out += "]}\n";
    if (file.write(out) != out.size() || !file.flush() || fdatasync(file.handle()) != 0)
        throw std::runtime_error("cannot write the flat file");
}

class Nowhere : public FlatFileSink
{
public:
    bool addDigest(ListKind, const ListDigest &) override { return true; }
    bool addMask(const char *) override { return true; }
    QString failure() const override { return {}; }
};

qint64 parseAlone(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    Nowhere nowhere;
    const auto read = ReadFlatFile(path, nowhere);
    if (const auto *failure = std::get_if<QString>(&read))
        throw std::runtime_error(failure->toStdString());
    return timer.elapsed();
}

qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

qint64 timeOfCheck(const QString &directory, const QString &account, const QDate &day)
{
    QElapsedTimer timer;
    timer.start();
    const WhitelistResult result = CheckOnWhitelist(directory, Nip, account, day);
    const qint64 elapsed = timer.nsecsElapsed() / 1000;
    if (const auto *error = std::get_if<WhitelistError>(&result))
        throw std::runtime_error(error->message.toStdString());
    return elapsed;
}

QString microseconds(qint64 us)
{
    return QStringLiteral("%1 ms").arg(double(us) / 1000.0, 7, 'f', 2);
}

}

int RunWhitelistImportChild(const char *file, const char *directory)
{
    QElapsedTimer timer;
    timer.start();
    const auto imported = ImportFlatFile(QString::fromLocal8Bit(file), QString::fromLocal8Bit(directory));
    const qint64 elapsed = timer.elapsed();
    if (const auto *failure = std::get_if<QString>(&imported)) {
        std::fprintf(stderr, "%s\n", failure->toUtf8().constData());
        return 1;
    }
    std::printf("%lld %lld\n", elapsed, peakResidentKb());
    return 0;
}

int RunWhitelistBench(long long hashes)
{
    QTemporaryDir directory;
    if (!directory.isValid())
        throw std::runtime_error("no temporary directory");
    const QString file = directory.filePath(QStringLiteral("wykaz.json"));
    const QDate day = QDate::currentDate();
    QElapsedTimer timer;
    timer.start();
    writeFlatFile(file, day, hashes);
    say(QStringLiteral("flat file of %1 hashes, %2 MB, written in %3")
            .arg(hashes)
            .arg(QFile(file).size() >> 20)
            .arg(ms(timer.elapsed())));

    // Read once before anything is timed, so that every reading finds the file cached.
    const qint64 firstParse = parseAlone(file);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(WhitelistImportChild), file, directory.filePath(QStringLiteral("indeks"))});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        throw std::runtime_error("the import failed: " + child.readAllStandardError().toStdString());
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    const qint64 import = figures.value(0).toLongLong();
    const qint64 peakKb = figures.value(1).toLongLong();
    const qint64 parse = qMin(firstParse, parseAlone(file));

    say(QStringLiteral("reading and parsing the file alone:  %1").arg(ms(parse)));
    say(QStringLiteral("import into the index:               %1, ratio %2 (goal <= 2)").arg(ms(import), ratio(import, parse)));
    say(QStringLiteral("peak memory of the import:           %1 MB (goal <= 256 MB)").arg(peakKb / 1024));

    const QString index = directory.filePath(QStringLiteral("indeks"));
    const qint64 first = timeOfCheck(index, Account, day);
    qint64 best = first;
    for (int round = 0; round < 4; ++round)
        best = qMin(best, timeOfCheck(index, Account, day));
    // Another account of the same bank: not found, then looked for again through the mask.
    const qint64 throughMask = timeOfCheck(index, QStringLiteral("34109010140000071219812875"), day);
    say(QStringLiteral("one check, listed:                   %1 first, %2 best of 5 (goal <= 20 ms)")
            .arg(microseconds(first), microseconds(best)));
    say(QStringLiteral("one check, not listed, one mask:     %1").arg(microseconds(throughMask)));
    return 0;
}
