#pragma once

#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Money.h"
#include "RateTables.h"

#include <QDialog>
#include <QLocale>
#include <ostream>
#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline QDate Day(const char *text)
{
    return QDate::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd"));
}

// A fresh database with the data module connected, message boxes and modal dialogs
// answered by the test, and Polish regional settings.
class InterestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        ASSERT_TRUE(dm.ConnectDatabase());
    }
    void TearDown() override { QLocale::setDefault(savedLocale); }

    // Stores entries through a connection of their own and shows them in the lists.
    void addRates(RateKind kind, const std::vector<std::pair<const char *, const char *>> &entries)
    {
        QStringList statements;
        for (const auto &[day, rate] : entries)
            statements << QStringLiteral("insert into %1 (WPISID, ODDNIA, STOPA) values (gen_id(GEN_WPISID, 1), '%2', %3)")
                              .arg(RateTableName(kind), QLatin1String(day), QLatin1String(rate));
        db.execute(statements);
        ReopenRateList(kind, 0);
    }

    // What another transaction sees of a table: the committed entries, oldest first.
    QStringList committed(RateKind kind)
    {
        dm.OpenQuery(QStringLiteral("select ODDNIA, STOPA from %1 order by ODDNIA").arg(RateTableName(kind)));
        dm.q.fetchAll();
        QStringList rows;
        for (int row = 0; row < dm.q.fetchedCount(); ++row)
            rows << dm.q.valueAt(row, QStringLiteral("ODDNIA")).toDate().toString(Qt::ISODate) + u' '
                    + dm.q.valueAt(row, QStringLiteral("STOPA")).value<Money>().toPlainString();
        dm.trq.commit();
        return rows;
    }

    // The entries of a list as it shows them.
    static QStringList shown(RateKind kind)
    {
        Dataset &list = RateList(kind);
        list.fetchAll();
        QStringList rows;
        for (int row = 0; row < list.fetchedCount(); ++row)
            rows << list.valueAt(row, QStringLiteral("ODDNIA")).toDate().toString(Qt::ISODate) + u' '
                    + list.valueAt(row, QStringLiteral("STOPA")).value<Money>().toPlainString();
        return rows;
    }

    QLocale savedLocale;
    FreshDatabase db;
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
};
