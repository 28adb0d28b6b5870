#include "SqlScript.h"

#include <QRegularExpression>

QStringList SplitSqlScript(const QString &script)
{
    static const QRegularExpression setTerm(QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*\\S*\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    for (const QString &line : script.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (current.trimmed().isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))) {
            current.clear();
            continue;
        }
        if (current.trimmed().isEmpty()) {
            const QRegularExpressionMatch match = setTerm.match(trimmed);
            if (match.hasMatch()) {
                QString next = match.captured(1);
                // "SET TERM ^ ;" is itself ended by the old terminator.
                if (next.endsWith(terminator) && next != terminator)
                    next.chop(terminator.size());
                terminator = next;
                current.clear();
                continue;
            }
        }
        current += line + u'\n';
        const QString body = current.trimmed();
        if (body.endsWith(terminator)) {
            statements.append(body.left(body.size() - terminator.size()).trimmed());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}
