#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The code pages banks accept in an import file.
enum class CodePage { Windows1250, Iso8859_2, Cp852, Utf8 };

namespace CodePages {

// The names the command line and the settings use: "windows-1250", "iso-8859-2", "cp852", "utf-8".
QStringList Names();
QString Name(CodePage page);
std::optional<CodePage> FromName(const QString &name);
// What the export window shows.
QString Caption(CodePage page);

bool Holds(CodePage page, QChar c);
// Index of the first character the code page cannot hold, or -1.
qsizetype FirstUnheld(CodePage page, const QString &text);
// Callers check FirstUnheld() first: an unheld character would be lost.
QByteArray Encode(CodePage page, const QString &text);
QString Decode(CodePage page, const QByteArray &bytes);

}
