#pragma once

#include <QString>
#include <QStringList>

// The columns a table's list carries, in table order, and the statements of the one
// pattern every list uses: insert them, update all but the key by ":OLD_<key>",
// delete by ":OLD_<key>". A list whose table has columns left out (long texts none of
// its windows shows) reads by selectSql; its changes never write those columns, which
// keep what is stored.
namespace TableColumns {

QStringList of(const QString &table);
QString selectSql(const QString &table);
QString insertSql(const QString &table);
QString updateSql(const QString &table, const QString &key);
QString deleteSql(const QString &table, const QString &key);
// The same update and delete, also requiring every other column (none a blob) to hold
// what was read: a row another user changed meanwhile is touched by neither.
QString comparingUpdateSql(const QString &table, const QString &key);
QString comparingDeleteSql(const QString &table, const QString &key);

}
