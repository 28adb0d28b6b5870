#include "NamedParams.h"

namespace {

bool isNameChar(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
        || c == u'_' || c == u'$';
}

}

PositionalSql ToPositionalSql(const QString &sql)
{
    PositionalSql result;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            result.sql += sql.mid(i, stop - i);
            i = stop;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            result.sql += sql.mid(i, stop - i);
            i = stop;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            result.sql += sql.mid(i, stop - i);
            i = stop;
        } else if (c == u':' && i + 1 < n && isNameChar(sql.at(i + 1))) {
            qsizetype end = i + 1;
            while (end < n && isNameChar(sql.at(end)))
                ++end;
            result.names.append(sql.mid(i + 1, end - i - 1).toUpper());
            result.sql += u'?';
            i = end;
        } else {
            result.sql += c;
            ++i;
        }
    }
    return result;
}
