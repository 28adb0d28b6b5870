#pragma once

#include <QString>

class QWidget;

// A field whose value failed its check is drawn in red and explains itself in its
// hint; a passing one is drawn in the normal text colour without a hint. Only colours:
// it never stops the user.
void MarkValidity(QWidget *field, bool valid, const QString &hint);

// Whether the field is drawn as failing its check.
bool IsMarkedInvalid(const QWidget *field);
