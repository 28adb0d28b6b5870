#include "DatabaseCreator.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "SqlScript.h"

#include <gtest/gtest.h>

namespace {

// Every user column and index of the two tables the upgrade touches, with its type,
// length, scale, nullability, character set, collation, position and order.
QStringList catalogue(TDM &dm)
{
    QStringList lines;
    dm.OpenQuery(
        "select trim(rf.RDB$RELATION_NAME) || '.' || trim(rf.RDB$FIELD_NAME) || ' #' || rf.RDB$FIELD_POSITION"
        " || ' t' || f.RDB$FIELD_TYPE || ' l' || coalesce(f.RDB$CHARACTER_LENGTH, f.RDB$FIELD_LENGTH)"
        " || ' s' || f.RDB$FIELD_SCALE || ' n' || coalesce(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0)"
        " || ' cs' || coalesce(f.RDB$CHARACTER_SET_ID, -1)"
        " || ' co' || coalesce(rf.RDB$COLLATION_ID, f.RDB$COLLATION_ID, -1)"
        " || ' d' || coalesce(case when f.RDB$FIELD_NAME starting with 'RDB$' then '' else trim(f.RDB$FIELD_NAME) end, '')"
        " from RDB$RELATION_FIELDS rf join RDB$FIELDS f on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE"
        " where rf.RDB$RELATION_NAME in ('ZUS', 'ADRESACI', 'ZWYKLE') order by 1");
    for (int row = 0; row < 1000 && (row < dm.q.fetchedCount() || dm.q.fetchMore(100) > 0); ++row)
        lines << dm.q.valueAt(row, 0).toString();
    dm.OpenQuery(
        "select trim(i.RDB$INDEX_NAME) || ' ' || trim(i.RDB$RELATION_NAME) || ' u' || coalesce(i.RDB$UNIQUE_FLAG, 0)"
        " || ' d' || coalesce(i.RDB$INDEX_TYPE, 0) || ' ' || list(trim(s.RDB$FIELD_NAME))"
        " from RDB$INDICES i join RDB$INDEX_SEGMENTS s on s.RDB$INDEX_NAME = i.RDB$INDEX_NAME"
        " where i.RDB$RELATION_NAME in ('ZUS', 'ADRESACI', 'ZWYKLE')"
        " group by i.RDB$INDEX_NAME, i.RDB$RELATION_NAME, i.RDB$UNIQUE_FLAG, i.RDB$INDEX_TYPE order by 1");
    dm.q.fetchAll();
    for (int row = 0; row < dm.q.fetchedCount(); ++row)
        lines << dm.q.valueAt(row, 0).toString();
    return lines;
}

QStringList zusEraColumns()
{
    QStringList drops{"ALTER TABLE ADRESACI DROP TYP_ID_ZUS"};
    for (const char *form : {"ZW", "POD", "ZUS"})
        for (const char *line : {"A", "B", "C", "D"})
            drops.last() += QString(", DROP PODPIS_%1_%2").arg(line, form);
    return drops;
}

}

TEST(Upgrade, AnOldDatabaseGetsExactlyTheCurrentDefinitionsOnceAndOnlyOnce)
{
    FreshDatabase current;
    QStringList expected;
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        expected = catalogue(dm);
    }
    ASSERT_GT(expected.size(), 60);

    FreshDatabase old;
    old.execute(QStringList{"DROP TABLE ZUS"} + zusEraColumns() +
                QStringList{"ALTER TABLE ZWYKLE DROP NIP_ODB, DROP NR_FAKTURY, DROP NR_KSEF, DROP MPP, DROP KWOTA_VAT"});
    old.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (1, 1, current_timestamp)"});
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        EXPECT_EQ(catalogue(dm), expected);
        EXPECT_TRUE(dm.Zusowe.isOpen());
        // An order typed before the split payment existed is none.
        dm.OpenQuery("select MPP from ZWYKLE where PRZELEWID = 1");
        EXPECT_EQ(dm.q.value("MPP").toString(), "N");
    }
    {
        // A second start finds nothing to do; the table and its rows stay as they are.
        old.execute({"insert into ZUS (PRZELEWID, KWOTA_51, KWOTA_52, KWOTA_53, DATA_WPR) values (1, 1, 2, 3, current_timestamp)"});
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        EXPECT_EQ(catalogue(dm), expected);
        EXPECT_EQ(dm.Zusowe.fetchedCount(), 1);
    }
}

TEST(Upgrade, TheCreationScriptHoldsTheZusTableAsTheUpgradeWritesIt)
{
    const QStringList statements = SplitSqlScript(SchemaScript());
    QString zus = TDM::ZusTableStatement();
    zus.chop(1); // the script's terminator
    EXPECT_TRUE(statements.contains(zus));
    EXPECT_TRUE(statements.contains("CREATE DESC INDEX Zus_Natural ON ZUS(PrzelewId)"));
}

TEST(Upgrade, ScriptSplittingFollowsTheTerminator)
{
    const QStringList statements = SplitSqlScript(
        "-- comment\nCREATE TABLE A (X INTEGER);\n\nSET TERM ^ ;\nCREATE PROCEDURE P AS\nBEGIN\n  EXIT;\nEND^\n"
        "SET TERM ; ^\nCREATE TABLE B (Y INTEGER);\n");
    EXPECT_EQ(statements, (QStringList{"CREATE TABLE A (X INTEGER)", "CREATE PROCEDURE P AS\nBEGIN\n  EXIT;\nEND",
                                       "CREATE TABLE B (Y INTEGER)"}));
}

// The triggers that announce the lists' changes, with their tables, kinds and bodies.
static QStringList changeTriggers(TDM &dm)
{
    dm.OpenQuery("select trim(RDB$TRIGGER_NAME) || ' ' || trim(RDB$RELATION_NAME) || ' t' || RDB$TRIGGER_TYPE"
                 " || ' i' || coalesce(RDB$TRIGGER_INACTIVE, 0) || ' ' || RDB$TRIGGER_SOURCE"
                 " from RDB$TRIGGERS where coalesce(RDB$SYSTEM_FLAG, 0) = 0 order by 1");
    dm.q.fetchAll();
    QStringList lines;
    for (int row = 0; row < dm.q.fetchedCount(); ++row)
        lines << dm.q.valueAt(row, 0).toString();
    return lines;
}

// A database made before the tables announced their changes gets every trigger as the
// creation script makes it, whichever of them it lacks.
TEST(Upgrade, AnOldDatabaseGetsTheTriggersThatAnnounceChanges)
{
    FreshDatabase current;
    QStringList expected;
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        expected = changeTriggers(dm);
    }
    ASSERT_EQ(expected.size(), TDM::ChangeEventTables().size());

    const QStringList dropAll = [] {
        QStringList drops;
        for (const QString &table : TDM::ChangeEventTables())
            drops << "DROP TRIGGER " + TDM::ChangeTriggerName(table);
        return drops;
    }();
    const std::pair<const char *, QStringList> olderDatabases[] = {
        {"none of them", dropAll},
        {"the contractors' only", {"DROP TRIGGER ADRESACI_ZMIANY"}},
        {"no ZUS table yet", {"DROP TABLE ZUS"}},
    };
    for (const auto &[what, statements] : olderDatabases) {
        SCOPED_TRACE(what);
        FreshDatabase old;
        old.execute(statements);
        for (int start = 0; start < 2; ++start) {
            TDM dm;
            ASSERT_TRUE(dm.ConnectDatabase());
            EXPECT_EQ(changeTriggers(dm), expected);
        }
    }
}

// zanderol-newdb checks the users to be granted the office role before it makes the
// database: a name refused only at the grant would leave a database half made.
TEST(Upgrade, UserNamesThatCannotBeAServersAreRefusedAllAtOnce)
{
    const struct {
        QStringList users;
        QString refused; // empty: accepted
    } rows[] = {
        {{"ANNA", "jan_2", "K$1", QString(31, u'A')}, {}},
        {{"ANNA", "bad name", "1ANNA"}, "\"bad name\", \"1ANNA\""},
        {{"", QString(32, u'A')}, "\"\", \"" + QString(32, u'A') + "\""},
        {{"JAN;DROP"}, "\"JAN;DROP\""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.users.join(u',').toStdString());
        QString refused;
        try {
            CheckUserNames(row.users);
        } catch (const FbError &error) {
            refused = error.message();
        }
        EXPECT_EQ(refused, row.refused.isEmpty() ? QString() : "Nazwa użytkownika serwera jest nieprawidłowa: " + row.refused + ".");
    }
}
