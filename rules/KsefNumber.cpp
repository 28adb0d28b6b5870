#include "KsefNumber.h"
#include "TextChars.h"

#include <QDate>

using TextChars::isDigit;

namespace {

bool isUpperHex(QChar c) { return isDigit(c) || (c >= u'A' && c <= u'F'); }

int hexValue(QChar c) { return isDigit(c) ? TextChars::digitValue(c) : c.unicode() - u'A' + 10; }

// Polynomial 0x07, initial value 0, neither reflected nor finished with an XOR.
unsigned crc8(const QString &text)
{
    unsigned crc = 0;
    for (const QChar c : text) {
        crc ^= c.unicode() & 0xFFu;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80u) ? ((crc << 1) ^ 0x07u) & 0xFFu : (crc << 1) & 0xFFu;
    }
    return crc;
}

bool allOf(const QString &text, qsizetype from, qsizetype count, bool (*accepted)(QChar))
{
    for (qsizetype i = from; i < from + count; ++i)
        if (!accepted(text.at(i)))
            return false;
    return true;
}

// The hexadecimal part of the 36-character form: one dash somewhere inside it.
bool hexWithOneDash(const QString &part)
{
    const qsizetype dash = part.indexOf(u'-');
    if (dash <= 0 || dash >= part.size() - 1 || part.indexOf(u'-', dash + 1) >= 0)
        return false;
    QString digits = part;
    digits.remove(dash, 1);
    return allOf(digits, 0, digits.size(), isUpperHex);
}

}

bool IsValidKsefNumber(const QString &text)
{
    if (text.size() != 35 && text.size() != 36)
        return false;
    // Every character must be plain ASCII before the CRC, which reads one byte of each.
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    const qsizetype checkAt = text.size() - 2;
    if (text.at(10) != u'-' || text.at(19) != u'-' || text.at(checkAt - 1) != u'-')
        return false;
    if (!allOf(text, 0, 10, isDigit) || !allOf(text, 11, 8, isDigit) || !allOf(text, checkAt, 2, isUpperHex))
        return false;
    const QString hex = text.mid(20, checkAt - 1 - 20);
    if (text.size() == 35 ? !allOf(hex, 0, hex.size(), isUpperHex) : !hexWithOneDash(hex))
        return false;
    if (!QDate::fromString(text.mid(11, 8), QStringLiteral("yyyyMMdd")).isValid())
        return false;
    const unsigned written = unsigned(hexValue(text.at(checkAt)) * 16 + hexValue(text.at(checkAt + 1)));
    return crc8(text.left(checkAt - 1)) == written;
}

QString KsefNumberNip(const QString &number)
{
    return IsValidKsefNumber(number) ? number.left(10) : QString();
}
