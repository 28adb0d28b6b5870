#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250 is the character set of every text the database stores and every
// form prints. These helpers are the one place that knows which characters it holds.
namespace Cp1250 {

// True when the character has a Windows-1250 byte.
bool holds(QChar c);
// Index of the first character that Windows-1250 cannot hold, or -1.
qsizetype firstUnheld(const QString &text);
// The character of one Windows-1250 byte; each of the 256 has its own, which encodes
// back to it (the five the code page leaves unassigned read as U+0081, U+0083, U+0088,
// U+0090 and U+0098).
QChar fromByte(unsigned char byte);

// Callers must have checked firstUnheld() first: an unheld character would be lost.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, qsizetype size);

}
