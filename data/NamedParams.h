#pragma once

#include <QString>
#include <QStringList>

// Turns ":Name" parameters into the positional '?' that the Firebird client takes.
// Quoted strings, quoted identifiers and comments are copied untouched.
struct PositionalSql
{
    QString sql;
    QStringList names; // upper-case name of each '?', in order; a name may repeat
};

PositionalSql ToPositionalSql(const QString &sql);
