#include "FailureReport.h"
#include "FbConnection.h"
#include "FbQuery.h"
#include "FbTransaction.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "Money.h"
#include "NamedParams.h"
#include "UnreadableValue.h"

#include <QDateTime>
#include <functional>
#include <limits>
#include <optional>
#include <gtest/gtest.h>

namespace {

class FirebirdLayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        connection.setDatabaseName(db.path());
        connection.open();
    }

    QVector<QVariant> firstRow(const QString &sql)
    {
        FbTransaction transaction(connection);
        FbQuery query(transaction);
        query.setSql(sql);
        query.open();
        QVector<QVariant> row;
        query.fetch(row);
        return row;
    }

    void insertOrdinary(qint32 id, const QVariant &name, const QVariant &amount)
    {
        FbTransaction transaction(connection);
        FbQuery insert(transaction);
        insert.setSql("insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KWOTA, DATA_WPR) values (:Id, :Name, :Amount, :Entered)");
        insert.setParam("Id", id);
        insert.setParam("NAME", name);
        insert.setParam("amount", amount);
        insert.setParam("Entered", QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
        insert.execute();
        transaction.commit();
    }

    FreshDatabase db;
    FbConnection connection;
};

}

TEST(NamedParams, QuotesAndCommentsAreNotParameters)
{
    const PositionalSql sql = ToPositionalSql(
        "select ':x', \":y\" from T -- :z\nwhere A = :First and B = :second /* :w */ or C = :First");
    EXPECT_EQ(sql.names, (QStringList{"FIRST", "SECOND", "FIRST"}));
    EXPECT_EQ(sql.sql, "select ':x', \":y\" from T -- :z\nwhere A = ? and B = ? /* :w */ or C = ?");
}

TEST_F(FirebirdLayer, MoneyCrossesExactlyAtTheLimitsOfNumeric18_2)
{
    Money big;
    ASSERT_TRUE(Money::parse("92233720368547,75", big)); // largest NUMERIC(18,2) a Money holds
    insertOrdinary(1, "a", QVariant::fromValue(big));
    insertOrdinary(2, "b", QVariant::fromValue(Money::fromGrosze(1)));
    insertOrdinary(3, "c", QVariant::fromValue(Money::fromRaw(-1234567)));

    EXPECT_EQ(firstRow("select KWOTA from ZWYKLE where PRZELEWID = 1").value(0).value<Money>(), big);
    EXPECT_EQ(firstRow("select KWOTA from ZWYKLE where PRZELEWID = 2").value(0).value<Money>(), Money::fromRaw(100));
    // Two decimals are stored: -123.4567 rounds half away from zero to -123.46.
    EXPECT_EQ(firstRow("select KWOTA from ZWYKLE where PRZELEWID = 3").value(0).value<Money>(), Money::fromRaw(-1234600));
    EXPECT_EQ(firstRow("select cast(KWOTA as varchar(30)) from ZWYKLE where PRZELEWID = 2").value(0).toString(), "0.01");
}

TEST_F(FirebirdLayer, NullsDatesAndPolishTextsRoundTrip)
{
    insertOrdinary(7, QString("Zażółć gęślą jaźń – €"), QVariant::fromValue(Money::fromZloty(5)));
    const QVector<QVariant> row = firstRow("select NAZWA1_ODB, NAZWA2_ODB, DATA_WPR, DATA_PRZEK, PRZELEW from ZWYKLE");
    EXPECT_EQ(row.value(0).toString(), QString("Zażółć gęślą jaźń – €"));
    EXPECT_FALSE(row.value(1).isValid());
    EXPECT_EQ(row.value(2).toDateTime(), QDateTime(QDate(2026, 12, 9), QTime(10, 30), Qt::UTC)); // as stored
    EXPECT_FALSE(row.value(3).isValid());
    EXPECT_FALSE(row.value(4).isValid());
    // The bytes in the database are Windows-1250, not UTF-8 or '?'.
    EXPECT_EQ(firstRow("select octet_length(NAZWA1_ODB) from ZWYKLE").value(0).toInt(), 21);
}

TEST_F(FirebirdLayer, TextOutsideWindows1250IsRefusedNamingTheFieldAndNothingIsStored)
{
    for (const QString &name : {QString("Łódź \u4E2D"), QString("Tomáš \U0001F600"), QString("Ŧ")}) {
        try {
            insertOrdinary(9, name, QVariant::fromValue(Money::fromZloty(1)));
            FAIL() << "stored " << name.toStdString();
        } catch (const FbError &error) {
            EXPECT_TRUE(error.message().contains("NAME")) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains("Windows-1250")) << error.message().toStdString();
        }
    }
    EXPECT_EQ(firstRow("select count(*) from ZWYKLE").value(0).toInt(), 0);
}

// The engine's words and file names come in UTF-8, a value from the database in the
// connection's Windows-1250: each reads as written.
TEST_F(FirebirdLayer, DatabaseErrorsCarryTheirOwnMessageAndCode)
{
    FbTransaction transaction(connection);
    FbQuery query(transaction);
    query.setSql("insert into TYTULY (TYTULID, NAZWA) values (:Id, :Name)");
    query.setParam("Id", 1);
    query.setParam("Name", "Czynsz Łódź");
    query.execute();
    query.setParam("Id", 2);
    try {
        query.execute();
        FAIL() << "duplicate name stored";
    } catch (const FbError &error) {
        EXPECT_EQ(error.code(), FbError::DuplicateInUniqueIndex);
        EXPECT_TRUE(error.message().contains("TYTULY_NAZWA")) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("'Czynsz Łódź'")) << error.message().toStdString();
    }
    query.setSql("select * from NO_SUCH_TABLE");
    EXPECT_THROW(query.open(), FbError);

    FbConnection missing;
    missing.setDatabaseName(db.directory() + "/żółta teczka/baza.fdb");
    try {
        missing.open();
        FAIL() << "a database that does not exist opened";
    } catch (const FbError &error) {
        EXPECT_TRUE(error.message().contains("/żółta teczka/baza.fdb")) << error.message().toStdString();
    }
}

TEST_F(FirebirdLayer, CommitClosesTheCursorsOfItsTransaction)
{
    for (int id = 1; id <= 3; ++id)
        insertOrdinary(id, "x", QVariant::fromValue(Money::fromZloty(id)));
    FbTransaction transaction(connection);
    FbQuery query(transaction);
    query.setSql("select PRZELEWID from ZWYKLE order by PRZELEWID");
    query.open();
    QVector<QVariant> row;
    ASSERT_TRUE(query.fetch(row));
    transaction.commit();
    EXPECT_FALSE(query.isOpen());
    EXPECT_FALSE(query.fetch(row));
}

TEST_F(FirebirdLayer, ClosingTheConnectionCommitsActiveTransactions)
{
    {
        FbTransaction transaction(connection);
        transaction.start();
        FbQuery insert(transaction);
        insert.setSql("insert into TYTULY (TYTULID, NAZWA) values (5, 'Abonament')");
        insert.execute();
        connection.close();
    }
    connection.open();
    EXPECT_EQ(firstRow("select NAZWA from TYTULY where TYTULID = 5").value(0).toString(), "Abonament");
}

// What the general error report shows for each kind of database failure.
TEST(FailureReport, ConflictsAndLostConnectionsReadAsPolishSentencesTheLossOnlyOnce)
{
    MessageRecorder messages;
    int endings = 0;
    SetConnectionLostAction([&] { ++endings; });
    const struct
    {
        QVector<long> codes;
        QString shown; // empty: nothing
    } cases[] = {
        {{335544336, 335544451, 335544878}, FbError::ConflictMessage()}, // update conflict
        {{335544345, 335544878}, FbError::ConflictMessage()},            // no-wait lock conflict
        {{335544510}, FbError::ConflictMessage()},                       // lock wait timed out
        {{335544665}, "raw: 335544665"},                                 // anything else: the database's words
        {{335544856, 335545115}, FbError::ConnectionLostMessage()},      // attachment killed
        {{335544721}, {}},                                               // the same loss again: silent
        {{335544451}, FbError::ConflictMessage()},
    };
    QStringList expected;
    for (const auto &c : cases) {
        ReportFailure(FbError(QString("raw: %1").arg(c.codes.first()), c.codes));
        if (!c.shown.isEmpty())
            expected << c.shown;
    }
    EXPECT_EQ(messages.warnings, expected);
    EXPECT_EQ(endings, 1);
    ConnectionOpened();
    ReportFailure(FbError("raw", {335544726}));
    EXPECT_EQ(messages.warnings.last(), FbError::ConnectionLostMessage());
    EXPECT_EQ(endings, 2);
    SetConnectionLostAction({});
    ConnectionOpened();
}

namespace {

// Runs the work and hands back how it failed; nothing when it did not.
std::optional<FbError> failureOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const FbError &error) {
        return error;
    }
    return std::nullopt;
}

void run(FbConnection &connection, const QString &sql)
{
    FbTransaction transaction(connection);
    FbQuery query(transaction);
    query.setSql(sql);
    query.execute();
    transaction.commit();
}

// Ends every other attachment to the database, as an administrator does.
void killOtherAttachments(const QString &database)
{
    FbConnection administrator;
    administrator.setDatabaseName(database);
    administrator.open();
    run(administrator, "delete from mon$attachments where mon$attachment_id <> current_connection");
}

}

// The engine's own failures, provoked for real: another desktop's change of the same
// row is a conflict, an attachment ended from outside is a lost connection (whatever
// the program was doing at that moment), and anything else is neither.
TEST_F(FirebirdLayer, RealConflictsAndLostConnectionsAreRecognised)
{
    insertOrdinary(1, "wspólny", QVariant::fromValue(Money::fromZloty(1)));
    insertOrdinary(2, "drugi", QVariant::fromValue(Money::fromZloty(2)));
    const QString update = "update ZWYKLE set NAZWA1_ODB = 'zmieniony' where PRZELEWID = 1";
    const struct
    {
        const char *what;
        std::function<void(FbConnection &mine, FbConnection &other)> provoke;
        FbError::Kind kind;
    } cases[] = {
        {"a row changed and committed after the snapshot began",
         [&](FbConnection &mine, FbConnection &other) {
             FbTransaction snapshot(mine);
             snapshot.start();
             run(other, update);
             FbQuery change(snapshot);
             change.setSql(update);
             change.execute();
         },
         FbError::Kind::Conflict},
        {"a row another desktop holds, without waiting",
         [&](FbConnection &mine, FbConnection &other) {
             FbTransaction holding(other);
             FbQuery hold(holding);
             hold.setSql(update);
             hold.execute();
             FbTransaction noWait(mine, FbTransaction::Kind::ReadCommittedNoWait);
             FbQuery change(noWait);
             change.setSql(update);
             change.execute();
         },
         FbError::Kind::Conflict},
        {"killed before a statement",
         [&](FbConnection &mine, FbConnection &) {
             killOtherAttachments(db.path());
             FbTransaction transaction(mine);
             FbQuery query(transaction);
             query.setSql("select count(*) from ZWYKLE");
             query.open();
         },
         FbError::Kind::ConnectionLost},
        {"killed while a list reads on",
         [&](FbConnection &mine, FbConnection &) {
             FbTransaction transaction(mine);
             FbQuery query(transaction);
             query.setSql("select PRZELEWID from ZWYKLE");
             query.open();
             QVector<QVariant> row;
             query.fetch(row);
             killOtherAttachments(db.path());
             while (query.fetch(row)) {
             }
         },
         FbError::Kind::ConnectionLost},
        {"killed with a change not yet committed",
         [&](FbConnection &mine, FbConnection &) {
             FbTransaction transaction(mine);
             FbQuery change(transaction);
             change.setSql("update ZWYKLE set NAZWA1_ODB = 'utracony' where PRZELEWID = 2");
             change.execute();
             killOtherAttachments(db.path());
             transaction.commit();
         },
         FbError::Kind::ConnectionLost},
        {"a duplicate name is neither",
         [&](FbConnection &mine, FbConnection &) {
             run(mine, "insert into TYTULY (TYTULID, NAZWA) values (1, 'Ten sam')");
             run(mine, "insert into TYTULY (TYTULID, NAZWA) values (2, 'Ten sam')");
         },
         FbError::Kind::Other},
    };
    connection.close();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FbConnection mine, other;
        for (FbConnection *each : {&mine, &other}) {
            each->setDatabaseName(db.path());
            each->open();
        }
        const std::optional<FbError> failure = failureOf([&] { c.provoke(mine, other); });
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->kind(), c.kind) << failure->databaseMessage().toStdString();
    }
}

// Numbers the column cannot hold are refused with an error, never wrapped or left to
// undefined behaviour; an invalid date is stored as no date at all.
TEST_F(FirebirdLayer, ValuesTheEngineWouldStoreWrongAreRefusedOrStoredAsNull)
{
    const struct
    {
        const char *sql;
        QVariant value;
        bool refused;
    } cases[] = {
        {"select cast(:V as integer) from rdb$database", 2147483647, false},
        {"select cast(:V as integer) from rdb$database", qint64(2147483648LL), true},
        {"select cast(:V as integer) from rdb$database", qint64(-2147483649LL), true},
        {"select cast(:V as integer) from rdb$database", QString("4294967297"), true},
        {"select cast(:V as smallint) from rdb$database", -32768, false},
        {"select cast(:V as smallint) from rdb$database", 40000, true},
        {"select cast(:V as numeric(9,2)) from rdb$database", QVariant::fromValue(Money::fromZloty(30000000)), true},
        {"select cast(:V as numeric(18,6)) from rdb$database", QVariant::fromValue(Money::fromZloty(10000000000000LL)), true},
        {"select cast(:V as numeric(18,6)) from rdb$database", QVariant::fromValue(Money::fromZloty(1000000)), false},
        // A value that could not be read is never written back, as nothing or as 0.
        {"select cast(:V as numeric(18,2)) from rdb$database", QVariant::fromValue(UnreadableValue{.stored = "0", .reason = {}}), true},
        {"select cast(:V as varchar(20)) from rdb$database", QVariant::fromValue(UnreadableValue{.stored = "0", .reason = {}}), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.sql) + " " + c.value.toString().toStdString());
        FbTransaction transaction(connection);
        FbQuery query(transaction);
        query.setSql(c.sql);
        query.setParam("V", c.value);
        if (c.refused) {
            EXPECT_THROW(query.open(), FbError);
        } else {
            query.open();
            QVector<QVariant> row;
            ASSERT_TRUE(query.fetch(row));
            EXPECT_TRUE(row.value(0) == c.value) << row.value(0).toString().toStdString();
        }
    }

    insertOrdinary(1, "data", QVariant::fromValue(Money::fromZloty(1)));
    {
        FbTransaction transaction(connection);
        FbQuery update(transaction);
        update.setSql("update ZWYKLE set DATA_PRZEK = :D, DATA_WPR = :W");
        update.setParam("D", QDate());
        update.setParam("W", QDateTime(QDate(2026, 2, 30), QTime(10, 0))); // no such day
        EXPECT_THROW(update.execute(), FbError);                          // not null: refused, not year 0
        update.setParam("W", QDateTime(QDate(2026, 2, 28), QTime(10, 0)));
        update.execute();
        transaction.commit();
    }
    EXPECT_FALSE(firstRow("select DATA_PRZEK from ZWYKLE").value(0).isValid());

    // More than a Money holds, read back from the database: shown as stored, not as a number.
    FbTransaction transaction(connection);
    FbQuery query(transaction);
    query.setSql("select cast(9999999999999999.99 as numeric(18,2)), cast(-9999999999999999.99 as numeric(18,2)), "
                 "cast(-0.05 as numeric(18,2)) from rdb$database");
    query.open();
    QVector<QVariant> row;
    ASSERT_TRUE(query.fetch(row));
    EXPECT_EQ(row.value(0).value<UnreadableValue>().stored, "9999999999999999,99");
    EXPECT_EQ(row.value(1).value<UnreadableValue>().stored, "-9999999999999999,99");
    EXPECT_EQ(row.value(2).value<Money>(), Money::fromRaw(-500));
}

TEST(Money, ParsingRefusesMalformedAmountsAndWhatA64BitAmountCannotHold)
{
    const struct
    {
        const char *text;
        bool parsed;
    } cases[] = {
        {"0,1234", true},
        {"0,12345", false},
        {"- 12,3", true},
        {"12-3", false},
        {"1-", false},
        {"--1", false},
        {"1,2,3", false},
        {"-,", false},
        {"922337203685477,5807", true},
        {"922337203685477,5808", false},
        {"922337203685477,9999", false},
        {"-922337203685477,5807", true},
        {"-922337203685477,5808", true}, // the most negative amount, as it is written out
        {"-922337203685477,5809", false},
        {"9223372036854775807", false},
    };
    for (const auto &c : cases) {
        Money value;
        EXPECT_EQ(Money::parse(c.text, value), c.parsed) << c.text;
    }
}

TEST(Money, PlainTextKeepsTheFractionsLeadingZerosAndCutsTheRest)
{
    const struct
    {
        std::int64_t raw;
        int decimals;
        const char *text;
    } cases[] = {
        {500, 2, "0.05"},
        {-500, 2, "-0.05"},
        {5, 4, "0.0005"},
        {123456, 3, "12.345"},
        {129999, 2, "12.99"},
        {129999, 0, "12"},
        {std::numeric_limits<std::int64_t>::min(), 4, "-922337203685477.5808"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Money::fromRaw(c.raw).toPlainString(c.decimals), QLatin1String(c.text)) << c.raw;
}
