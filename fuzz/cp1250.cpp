// Windows-1250 at the database boundary: every stored byte that has a character reads
// as that character and is written back as the same byte; every text the code page
// holds is written as one byte a character and reads back unchanged, also after the
// program's upper-casing, which keeps it in the code page.
#include "Cp1250.h"
#include "FuzzCheck.h"
#include "UpperCase.h"

#include <cstring>

namespace {

void storedBytesRoundTrip(const QByteArray &bytes)
{
    const QString text = Cp1250::decode(bytes);
    FUZZ_EXPECT(text.size() == bytes.size(), text);
    // Where defined: a byte the code page leaves unassigned reads as U+0000 and cannot
    // come back as itself.
    for (const char byte : bytes)
        if (byte != 0 && Cp1250::fromByte(static_cast<unsigned char>(byte)).isNull())
            return;
    FUZZ_EXPECT(Cp1250::firstUnheld(text) == -1, text);
    FUZZ_EXPECT(Cp1250::encode(text) == bytes, text);
}

void heldTextsRoundTrip(const QString &text)
{
    const qsizetype unheld = Cp1250::firstUnheld(text);
    if (unheld >= 0) {
        FUZZ_EXPECT(!Cp1250::holds(text.at(unheld)) && Cp1250::firstUnheld(text.left(unheld)) == -1, text);
        return;
    }
    const QByteArray bytes = Cp1250::encode(text);
    FUZZ_EXPECT(bytes.size() == text.size(), text);
    FUZZ_EXPECT(Cp1250::decode(bytes) == text, text);
    const QString upper = UpperCp1250(text);
    FUZZ_EXPECT(upper.size() == text.size() && Cp1250::firstUnheld(upper) == -1, upper);
    FUZZ_EXPECT(UpperCp1250(upper) == upper, upper);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    storedBytesRoundTrip(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    // The same bytes as UTF-16 code units reach every character, lone surrogates included.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    heldTextsRoundTrip(units);
    return 0;
}
