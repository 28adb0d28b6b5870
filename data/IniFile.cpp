#include "IniFile.h"

#include "Cp1250.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// A value enclosed in quotation marks, double or single, is read without them.
QString unquoted(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}

QString ReadIniValue(const QString &path, const QString &section, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // Written by hand on Linux it is UTF-8; a file brought from Windows is in the ANSI code page.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp1250::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

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
