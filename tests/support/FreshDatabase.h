#pragma once

#include <QString>
#include <QTemporaryDir>

// A new database file of the test's own in a temporary directory, with a
// Zanderol.ini naming it that ReadDatabasePath finds. Everything goes when the
// object does.
class FreshDatabase
{
public:
    FreshDatabase();
    ~FreshDatabase();

    QString path() const { return path_; }
    QString directory() const { return dir_.path(); }
    // Rewrites Zanderol.ini with another database name and more lines of [Baza].
    void writeIni(const QString &databaseName, const QStringList &moreLines = {}) const;
    void removeIni() const;

    // Runs statements on the database through a connection of their own, in one committed transaction.
    void execute(const QStringList &statements) const;

private:
    QTemporaryDir dir_;
    QString path_;
};
