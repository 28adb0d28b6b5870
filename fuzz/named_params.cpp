// The ":Name" to '?' rewriter on any statement: only parameters change, each ":Name"
// becoming one '?' and its name, in order; nothing else is lost or added, and what it
// leaves has no parameter outside quotes and comments (a second pass changes nothing).
#include "FuzzCheck.h"
#include "NamedParams.h"

namespace {

bool isNameChar(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'
        || c == u'$';
}

bool isUpperName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (!isNameChar(c) || (c >= u'a' && c <= u'z'))
            return false;
    return true;
}

// Walks the statement and the result side by side: a character is either copied, or
// the result's '?' stands where the statement has ':' and the next name.
bool onlyParametersReplaced(const QString &sql, const PositionalSql &positional)
{
    qsizetype at = 0;
    qsizetype nameIndex = 0;
    for (const QChar c : positional.sql) {
        if (at < sql.size() && sql.at(at) == c) {
            ++at;
            continue;
        }
        if (c != u'?' || at >= sql.size() || sql.at(at) != u':' || nameIndex >= positional.names.size())
            return false;
        const QString &name = positional.names.at(nameIndex++);
        if (!isUpperName(name) || sql.mid(at + 1, name.size()).toUpper() != name)
            return false;
        at += 1 + name.size();
        if (at < sql.size() && isNameChar(sql.at(at)))
            return false; // the name was cut short
    }
    return at == sql.size() && nameIndex == positional.names.size();
}

// Any text written as a string literal, a quoted identifier or a comment, the way the
// engine reads them, holds no parameter.
void literalsAndCommentsUntouched(const QString &text)
{
    QString line = text;
    line.replace(u'\n', u' ');
    QString commentText = text;
    commentText.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    const QString untouched[] = {
        u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'',
        u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"',
        QStringLiteral("/*") + commentText + QStringLiteral("*/"),
        QStringLiteral("--") + line,
    };
    for (const QString &sql : untouched) {
        // The parameter on the next line is found: the literal or comment ended where it should.
        const PositionalSql positional = ToPositionalSql(sql + QStringLiteral("\n= :After"));
        FUZZ_EXPECT(positional.sql == sql + QStringLiteral("\n= ?"), sql);
        FUZZ_EXPECT(positional.names == QStringList{QStringLiteral("AFTER")}, sql);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString sql = fuzz::utf8Text(data, size);
    const PositionalSql positional = ToPositionalSql(sql);
    FUZZ_EXPECT(onlyParametersReplaced(sql, positional), positional.sql);
    const PositionalSql again = ToPositionalSql(positional.sql);
    FUZZ_EXPECT(again.names.isEmpty() && again.sql == positional.sql, positional.sql);
    literalsAndCommentsUntouched(sql);
    return 0;
}
