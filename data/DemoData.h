#pragma once

#include "DatabaseCreator.h"

#include <QString>

// A handful of contractors, a tax authority, titles, orders of each kind and the interest
// rates of recent years, so that a new user (and the screenshot) sees a working program.
// Throws FbError.
void AddDemoData(const QString &databaseName, const DatabaseLogin &login = BuiltInLogin());
