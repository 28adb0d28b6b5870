// The KSeF number check on any text: it agrees with the rule written another way (a
// pattern for the form, a table for the CRC), and a number that passes fails after any
// one character is changed to another the form allows.
#include "FuzzCheck.h"
#include "KsefNumber.h"

#include <QDate>
#include <QRegularExpression>
#include <array>

namespace {

std::array<unsigned char, 256> crcTable()
{
    std::array<unsigned char, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc << 1) ^ ((crc & 0x80u) ? 0x07u : 0u);
        table[byte] = static_cast<unsigned char>(crc & 0xFFu);
    }
    return table;
}

bool validAnotherWay(const QString &text)
{
    static const QRegularExpression shortForm(QStringLiteral("^[0-9]{10}-([0-9]{8})-[0-9A-F]{12}-([0-9A-F]{2})$"));
    static const QRegularExpression longForm(
        QStringLiteral("^[0-9]{10}-([0-9]{8})-(?=[0-9A-F-]{13}-)[0-9A-F]+-[0-9A-F]+-([0-9A-F]{2})$"));
    static const auto table = crcTable();
    if (text.size() != 35 && text.size() != 36)
        return false;
    const QRegularExpressionMatch match = (text.size() == 35 ? shortForm : longForm).match(text);
    if (!match.hasMatch() || !QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd")).isValid())
        return false;
    unsigned crc = 0;
    for (const QChar c : text.left(text.size() - 3))
        crc = table[(crc ^ c.unicode()) & 0xFFu];
    return QStringLiteral("%1").arg(crc, 2, 16, QLatin1Char('0')).toUpper() == match.captured(2);
}

QChar anotherAllowed(QChar c, int by)
{
    static const QString hex = QStringLiteral("0123456789ABCDEF");
    const qsizetype at = hex.indexOf(c);
    return hex.at((at + 1 + by % 15) % 16);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::utf8Text(data, size);
    const bool valid = IsValidKsefNumber(text);
    FUZZ_EXPECT(valid == validAnotherWay(text), text);
    FUZZ_EXPECT(KsefNumberNip(text) == (valid ? text.left(10) : QString()), text);
    if (!valid)
        return 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == u'-')
            continue;
        QString changed = text;
        changed[at] = anotherAllowed(text.at(at), int(size % 7));
        FUZZ_EXPECT(!IsValidKsefNumber(changed), changed);
    }
    return 0;
}
