#pragma once

#include <QString>
#include <QTemporaryDir>

class TDM;

// The database a command-line tool is given. The data module finds its database through
// the settings file it reads at start, so the tool writes one of its own in a temporary
// directory, never touching the user's, and logs in as ISC_USER and ISC_PASSWORD say
// (without them the built-in login, which only a database file opened directly takes).
class ToolDatabase
{
public:
    explicit ToolDatabase(const QString &database);

    // Empty when the settings are in place, else why they are not.
    const QString &failure() const { return failure_; }
    bool connect(TDM &dm) const;

private:
    QTemporaryDir config_;
    QString database_, failure_;
};
