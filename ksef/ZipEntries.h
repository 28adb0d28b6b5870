#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <variant>

struct ZipEntry
{
    QString name;
    QByteArray bytes;
};

// The regular files of a ZIP whose names the filter accepts, each at most maxBytes
// long and all together at most eight times that; or why the archive cannot be read,
// in Polish.
std::variant<QList<ZipEntry>, QString> ReadZipEntries(const QString &path, bool (*wanted)(const QString &name),
                                                      qint64 maxBytes);
