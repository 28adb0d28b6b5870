#pragma once

#include "BankOrder.h"
#include "BankProfile.h"
#include "CodePage.h"

#include <QByteArray>
#include <QList>
#include <variant>

// An order that does not go into the file; the others may.
struct BankRefusal
{
    qint32 Id = 0;
    QString Reason;
};

// What stops the whole file: an order's field that the file cannot carry.
struct BankFileFault
{
    qint32 Id = 0;
    QString Field;
    QString Message;
};

// Deposits, orders without a valid sender's or recipient's account, tax orders without
// the tags a bank needs, amounts that are no positive number of grosze.
QList<BankRefusal> BankRefusals(const QList<BankOrder> &orders);
QList<BankOrder> WithoutRefused(const QList<BankOrder> &orders);

// Orders whose transfer date has passed; the file would move them to today, so the user
// chooses between that and leaving them out.
QList<BankOrder> PastDated(const QList<BankOrder> &orders, const QDate &today);
QList<BankOrder> WithoutPastDated(const QList<BankOrder> &orders, const QDate &today);
// "Przelew nr 3 (01.12.2026), ..." for the first ten, then how many more.
QString PastDatedNames(const QList<BankOrder> &orders);

// The file of the orders (none of them refused) in the Elixir-O layout, one line an
// order ending CR LF; the order's transfer date unless it is missing or past, then today.
std::variant<QByteArray, BankFileFault> WriteBankFile(const QList<BankOrder> &orders, CodePage page,
                                                      const BankProfile &profile, const QDate &today);

// Writes the whole file or nothing: an existing file stays as it was when writing fails.
bool SaveBankFile(const QString &path, const QByteArray &bytes, QString &error);
