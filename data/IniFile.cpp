#include "IniFile.h"

#include "Cp1250.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// A value enclosed in quotation marks, double or single, is read without them.
QString unquoted(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Written by hand on Linux it is UTF-8; a file brought from Windows is in the ANSI code page.
QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp1250::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

bool isSectionLine(const QString &line, const QString &section)
{
    const qsizetype end = line.indexOf(u']');
    return line.startsWith(u'[') && end > 0 && line.mid(1, end - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
}

bool isKeyLine(const QString &line, const QString &key)
{
    const qsizetype equals = line.indexOf(u'=');
    return !line.startsWith(u';') && equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

}

QString ReadIniValue(const QString &path, const QString &section, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = decoded(file.readAll());

    bool inSection = false;
    bool sectionSeen = false;
    for (const QString &rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            // Only the first section of the name counts; a repeated one is never read.
            if (inSection)
                return {};
            const qsizetype end = line.indexOf(u']');
            inSection = !sectionSeen && end > 0
                && line.mid(1, end - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return unquoted(line.mid(equals + 1).trimmed());
    }
    return {};
}

QString WriteIniValue(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        QString text = decoded(existing.readAll());
        // A file from Windows keeps its line ends.
        if (text.contains(QStringLiteral("\r\n"))) {
            lineEnd = QStringLiteral("\r\n");
            text.replace(lineEnd, QStringLiteral("\n"));
        }
        lines = text.split(u'\n');
        if (lines.last().isEmpty())
            lines.removeLast();
    } else if (existing.exists()) {
        return QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, existing.errorString());
    }

    const QString entry = key + u'=' + value;
    qsizetype sectionStart = -1;
    qsizetype sectionEnd = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (sectionStart < 0) {
            if (isSectionLine(line, section))
                sectionStart = i;
            continue;
        }
        if (line.startsWith(u'[')) {
            sectionEnd = i;
            break;
        }
        if (isKeyLine(line, key)) {
            lines[i] = entry;
            sectionEnd = -1;
            break;
        }
    }
    if (sectionStart < 0) {
        lines << u'[' + section + u']' << entry;
    } else if (sectionEnd >= 0) {
        // After the section's last line that holds something, before the blank lines that part it from the next.
        qsizetype at = sectionEnd;
        while (at > sectionStart + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, entry);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, file.errorString());
    file.write((lines.join(lineEnd) + lineEnd).toUtf8());
    if (!file.commit())
        return QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, file.errorString());
    return {};
}
