#pragma once

#include <QString>
#include <QStringList>

// The columns of each table in table order, and the change statements of the one
// pattern every list uses: insert all columns, update all but the key by
// ":OLD_<key>", delete by ":OLD_<key>".
namespace TableColumns {

QStringList of(const QString &table);
QString insertSql(const QString &table);
QString updateSql(const QString &table, const QString &key);
QString deleteSql(const QString &table, const QString &key);

}
