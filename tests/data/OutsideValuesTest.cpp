#include "Cp1250.h"
#include "DatasetModel.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "LibcCodePage.h"
#include "MessageRecorder.h"
#include "Money.h"
#include "UnreadableValue.h"

#include <QDateTime>
#include <QSet>
#include <gtest/gtest.h>
#include <cstdlib>
#include <ctime>

// Values another tool stored may be anything the columns allow: they are read without
// hiding anything else, shown, and never written back other than as they were.

// A byte the code page assigns reads as the C library reads it, so that two characters
// swapped in the table cannot pass for a round trip.
TEST(Cp1250, EveryByteDecodesToACharacterOfItsOwnThatEncodesBackToIt)
{
    QSet<char16_t> seen;
    for (int byte = 0x00; byte <= 0xFF; ++byte) {
        SCOPED_TRACE(byte);
        const QByteArray stored(1, char(byte));
        const QString text = Cp1250::decode(stored);
        ASSERT_EQ(text.size(), 1);
        if (const auto libc = LibcCharacter("CP1250", byte)) {
            EXPECT_EQ(text.at(0).unicode(), *libc);
        }
        EXPECT_TRUE(Cp1250::holds(text.at(0)));
        EXPECT_EQ(Cp1250::encode(text), stored);
        EXPECT_FALSE(seen.contains(text.at(0).unicode()));
        seen.insert(text.at(0).unicode());
    }
}

namespace {

class OutsideValues : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    QVariant stored(const QString &expression, qint32 id)
    {
        dm.OpenQuery(QString("select %1 from ZWYKLE where PRZELEWID = %2").arg(expression).arg(id));
        const QVariant value = dm.q.valueAt(0, 0);
        dm.trq.commit();
        return value;
    }

    FreshDatabase db;
    MessageRecorder messages;
    TDM dm;
};

// Local time of a country with daylight saving for the test's duration.
class LocalTimeZone
{
public:
    explicit LocalTimeZone(const char *zone) : previous_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalTimeZone()
    {
        if (had_)
            qputenv("TZ", previous_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray previous_;
    bool had_;
};

}

// An amount beyond what the program holds stops nothing: every row of the list comes,
// the amount is shown marked, and that one row cannot be edited (it can be deleted).
TEST_F(OutsideValues, AnAmountBeyondTheProgramsRangeIsShownMarkedAndItsRowIsNotEdited)
{
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) with recursive r(n) as "
                "(select 1 from rdb$database union all select n + 1 from r where n < 65) "
                "select n, iif(n = 1, 9999999999999999.99, n), current_timestamp from r"});
    dm.ReopenOrdinaryList(0);
    DatasetModel model(dm.Zwykle, {{"KWOTA", "Kwota", 90, "# ##0.00"}});
    dm.Zwykle.fetchAll();
    ASSERT_EQ(dm.Zwykle.fetchedCount(), 65);
    ASSERT_EQ(model.rowCount(), 65);
    EXPECT_EQ(model.data(model.index(64, 0), Qt::DisplayRole).toString(), "nieczytelna: 9999999999999999,99");
    EXPECT_EQ(model.data(model.index(63, 0), Qt::DisplayRole).toString(), "2,00");

    const QString refusal = "Tej pozycji nie można poprawić: kwota 9999999999999999,99 zapisana w bazie danych "
                            "jest większa, niż program potrafi odczytać. Można ją tylko usunąć.";
    dm.Zwykle.setCurrentRow(64);
    for (const auto &attempt : {std::function<void()>([&] { dm.Zwykle.requireEditable(); }),
                                std::function<void()>([&] { dm.Zwykle.edit(); })}) {
        try {
            attempt();
            FAIL() << "the row may be edited";
        } catch (const FbError &error) {
            EXPECT_EQ(error.message(), refusal);
        }
        EXPECT_EQ(dm.Zwykle.state(), Dataset::State::Browse);
    }

    dm.Zwykle.setCurrentRow(63);
    dm.Zwykle.edit();
    dm.Zwykle.setValue("NAZWA1_ODB", "Poprawiony");
    dm.Zwykle.post();
    dm.Zwykle.setCurrentRow(64);
    dm.Zwykle.remove();
    dm.ReopenOrdinaryList(2);
    EXPECT_EQ(dm.Zwykle.value("NAZWA1_ODB").toString(), "Poprawiony");
    dm.Zwykle.fetchAll();
    EXPECT_EQ(dm.Zwykle.fetchedCount(), 64);
}

// A row is edited in one column; the others come back exactly as another tool stored
// them, whatever the local time zone makes of their times.
TEST_F(OutsideValues, ValuesOfAnotherToolAreStoredBackAsTheyWere)
{
    const LocalTimeZone warsaw("Europe/Warsaw");
    const struct
    {
        const char *column;
        const char *storedSql;  // the value as the other tool put it
        const char *checkSql;   // true while the column holds exactly that
        QVariant shown;         // what the list gives for it
    } cases[] = {
        // The hour clocks skipped when daylight saving began: no local time has it.
        {"DATA_PRZEK", "timestamp '2026-03-29 02:30:00'", "DATA_PRZEK = timestamp '2026-03-29 02:30:00'",
         QDateTime(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC)},
        {"DATA_PRZEK", "timestamp '2026-10-25 02:30:00'", "DATA_PRZEK = timestamp '2026-10-25 02:30:00'",
         QDateTime(QDate(2026, 10, 25), QTime(2, 30), Qt::UTC)},
        {"DATA_PRZEK", "timestamp '1899-12-30 00:00:00'", "DATA_PRZEK = timestamp '1899-12-30 00:00:00'",
         QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC)},
        // The five bytes Windows-1250 leaves unassigned, and a zero byte.
        {"NAZWA1_ODB", "cast(x'41818388909842' as varchar(7) character set octets)",
         "cast(NAZWA1_ODB as varchar(50) character set octets) = x'41818388909842'",
         QString("A\u0081\u0083\u0088\u0090\u0098B")},
        {"NAZWA1_ODB", "cast(x'410042' as varchar(3) character set octets)",
         "cast(NAZWA1_ODB as varchar(50) character set octets) = x'410042'", QString("A") + QChar(0) + "B"},
    };
    qint32 id = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.storedSql);
        ++id;
        db.execute({QString("insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR, %1) values (%2, 1, '2026-01-02 10:00', %3)")
                        .arg(c.column).arg(id).arg(c.storedSql)});
        dm.ReopenOrdinaryList(id);
        ASSERT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), id);
        EXPECT_EQ(dm.Zwykle.value(c.column), c.shown);
        dm.Zwykle.edit();
        dm.Zwykle.setValue("TYTUL1_ZAPL", "Poprawiony");
        dm.Zwykle.post();
        dm.ReopenOrdinaryList(id);
        EXPECT_EQ(stored(QString("iif(%1, 1, 0)").arg(c.checkSql), id).toInt(), 1);
        EXPECT_EQ(stored("DATA_WPR", id).toDateTime(), QDateTime(QDate(2026, 1, 2), QTime(10, 0), Qt::UTC));
    }
}
