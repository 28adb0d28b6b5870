#pragma once

#include <QString>

// The one way a database file comes into being: an empty database holding every
// table, index, domain and procedure the program uses. Throws FbError.
void CreateEmptyDatabase(const QString &name);

// The schema script as shipped with the program.
QString SchemaScript();
