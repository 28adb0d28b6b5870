#pragma once

#include "DatabaseCreator.h"

#include <QString>
#include <functional>

// One task of Firebird's service manager (backup, restore, validation), run to its end.
// The service manager is the embedded engine's own for a plain path and the server's
// ("host:service_mgr") for a server-qualified name, so a backup of a server database
// is taken by the server, from committed data, while others keep working.
namespace FbService {

// The service manager that serves the named database, and the database's name as that
// manager sees it (without the host).
struct Target
{
    QString service;
    QString database;
};
Target TargetOf(const QString &databaseName);

// The parameters of one task after its action tag.
struct Parameter
{
    enum class Kind { Text, Number, Flag } kind;
    unsigned char tag;
    QString text = QString();
    unsigned number = 0;
};

// Starts the action with its parameters on the service manager, logged in as the
// login given (with the office role, which a server applies where it is granted), and hands every line
// the service writes to onLine (the verbose output that shows progress) until the
// service ends. Throws FbError with the service's message when it fails.
void Run(const QString &service, const DatabaseLogin &login, unsigned char action, const std::vector<Parameter> &parameters,
         const std::function<void(const QString &line)> &onLine);

}
