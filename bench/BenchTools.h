#pragma once

#include "MessageSeam.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class FbConnection;
class TDM;
class TSzukajFrm;

// Counts the warnings instead of showing them.
class SilentMessages : public MessageSink
{
public:
    void warning(const QString &text) override { warnings << text; }
    bool confirm(const QString &) override { return false; }
    QStringList warnings;
};

void say(const QString &line);
QString ms(qint64 elapsed);
QString ratio(qint64 part, qint64 whole);

// Writes Zanderol.ini naming the database (and the login, when given) in the directory
// and points the program at it.
void UseDatabase(const QString &directory, const QString &database, const QString &user = {},
                 const QString &password = {});

void insertOrders(TDM &dm, int count);

// The limit: the statement through the bare OO API, every row fetched into the
// message buffer and nothing converted (a blob is its identifier only).
int bareFetch(FbConnection &connection, const QByteArray &sql);

// "Szukaj" from the beginning for a text no row has, so every row is examined.
void searchForNothing(TSzukajFrm &search);

// The shortest of the rounds' times of each reading. The machine is shared and noisy:
// the readings are taken in turn, several times, so a slow moment does not favour any.
std::vector<qint64> bestOfRounds(int rounds, const std::vector<std::function<void()>> &readings);
