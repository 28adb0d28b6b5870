// Reading the VAT white list's flat file: any bytes, as a bare .json or a .7z archive.
// The reader never crashes; a file it accepts handed the sink exactly the entries it
// counts, every mask well formed; and the same JSON cut before its last closing brace
// is never accepted, since a list cut short must never replace the one in force.
#include "FlatFileReader.h"
#include "FuzzCheck.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

// An in-memory file, reached by a path as libarchive wants one.
const QString &flatFilePath()
{
    static const int fd = memfd_create("wykaz.json", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    return path;
}

class Counting : public FlatFileSink
{
public:
    bool addDigest(ListKind kind, const ListDigest &) override
    {
        ++(kind == ListKind::Active ? active : exempt);
        return true;
    }
    bool addMask(const char *mask) override
    {
        for (int i = 0; i < MaskLength; ++i)
            FUZZ_EXPECT((mask[i] >= '0' && mask[i] <= '9') || mask[i] == 'X' || mask[i] == 'Y',
                        QString::fromLatin1(mask, MaskLength));
        ++masks;
        return true;
    }
    QString failure() const override { return {}; }

    qint64 active = 0, exempt = 0, masks = 0;
};

std::variant<FlatFileSummary, QString> readBack(const QByteArray &bytes, Counting &sink)
{
    const int fd = flatFilePath().section(u'/', -1).toInt();
    if (ftruncate(fd, 0) != 0 || pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) != bytes.size())
        std::abort(); // the machine, not the reader: nothing to learn from this input
    return ReadFlatFile(flatFilePath(), sink);
}

}

// A damaged 7-Zip header may claim terabytes, and libarchive asks malloc for them: the
// refusal comes back to libarchive as an error, which is what the program sees. Without
// this, the sanitizer would stop at the request itself rather than check what follows.
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Counting sink;
    const auto read = readBack(bytes, sink);
    const auto *summary = std::get_if<FlatFileSummary>(&read);
    if (!summary) {
        FUZZ_EXPECT(!std::get<QString>(read).isEmpty(), QStringLiteral("refused without a reason"));
        return 0;
    }
    FUZZ_EXPECT(summary->active == sink.active && summary->exempt == sink.exempt && summary->masks == sink.masks,
                QString::fromUtf8(bytes.left(200)));
    FUZZ_EXPECT(summary->date.isValid() && summary->rounds >= 1 && summary->rounds <= MaxRounds,
                QString::fromUtf8(bytes.left(200)));
    if (!bytes.startsWith("7z\xBC\xAF\x27\x1C")) {
        Counting cut;
        const qsizetype lastBrace = bytes.lastIndexOf('}');
        FUZZ_EXPECT(std::holds_alternative<QString>(readBack(bytes.left(lastBrace), cut)),
                    QString::fromUtf8(bytes.left(200)));
    }
    return 0;
}
