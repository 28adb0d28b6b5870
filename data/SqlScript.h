#pragma once

#include <QStringList>

// Splits a script in isql's syntax into its statements: "SET TERM x ;" changes the
// terminator (so procedure bodies keep their semicolons), comments outside statements
// are dropped, and the terminator itself is not part of a statement.
QStringList SplitSqlScript(const QString &script);
