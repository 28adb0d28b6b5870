#include "ToolDatabase.h"

#include "DatabaseCreator.h"
#include "DatabasePath.h"
#include "FDM.h"

#include <QFile>

ToolDatabase::ToolDatabase(const QString &database) : database_(database)
{
    QFile ini(config_.filePath(QStringLiteral("Zanderol.ini")));
    if (!config_.isValid() || !ini.open(QIODevice::WriteOnly) ||
        ini.write(QStringLiteral("[Baza]\r\nPlik=%1\r\n").arg(database).toUtf8()) < 0) {
        failure_ = QStringLiteral("cannot write a temporary settings file");
        return;
    }
    ini.close();
    SetConfigDirectory(config_.path());
}

bool ToolDatabase::connect(TDM &dm) const
{
    const DatabaseLogin login = EnvironmentLogin();
    return dm.ConnectDatabase({.database = database_, .user = login.user, .password = login.password});
}
