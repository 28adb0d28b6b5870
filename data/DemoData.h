#pragma once

#include <QString>

// A handful of contractors, a tax authority, titles and orders of each kind, so that a
// new user (and the screenshot) sees a working program. Throws FbError.
void AddDemoData(const QString &databaseName);
