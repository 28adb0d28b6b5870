// Reading the database name from any Zanderol.ini: bytes in any code page, any line
// ends, sections and keys in any case. The reader never fails, ignores what follows
// the first section of the name, and reads back any value written in quotation marks.
#include "FuzzCheck.h"
#include "IniFile.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

// An in-memory file, reached by a path as the reader wants one: a file on disk, written
// anew for every input, would make the file system the bottleneck.
const QString &iniPath()
{
    static const int fd = memfd_create("Zanderol.ini", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    return path;
}

QString readBack(const QByteArray &bytes, const QString &section = QStringLiteral("Baza"),
                 const QString &key = QStringLiteral("Plik"))
{
    const int fd = iniPath().section(u'/', -1).toInt();
    if (ftruncate(fd, 0) != 0 || pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) != bytes.size())
        std::abort(); // the machine, not the reader: nothing to learn from this input
    return ReadIniValue(iniPath(), section, key);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString value = readBack(bytes);
    FUZZ_EXPECT(!value.contains(u'\n'), value);
    FUZZ_EXPECT(readBack(bytes, QStringLiteral("BAZA"), QStringLiteral("pLIK")) == value, value);
    // What follows in another section is never read.
    FUZZ_EXPECT(readBack(bytes + "\n[Inne]\nPlik=obca.fdb\n") == value, value);

    // The input's first line as a value, in quotation marks so that nothing of it is
    // trimmed, after a UTF-8 byte order mark and a section header with blanks inside.
    const QString line = fuzz::utf8Text(data, size).section(u'\n', 0, 0);
    const QString written = QChar(0xFEFF) + QStringLiteral("[ baza ]\r\n plik = \"") + line + QStringLiteral("\"\r\n");
    FUZZ_EXPECT(readBack(written.toUtf8()) == line, line);
    return 0;
}
