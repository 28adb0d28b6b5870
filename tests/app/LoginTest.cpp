#include "ConnectionSettings.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FbConnection.h"
#include "FreshDatabase.h"
#include "Login.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Money.h"
#include "MemoryKeyring.h"
#include "SilentProxy.h"
#include "TLogowanieFrm.h"
#include "TestServer.h"
#include "WindowControls.h"

#include <QCheckBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <vector>

namespace {

// An office database on the tests' server, owned by a user of its own, its role
// granted to KSIEGOWA and not to OBCY.
class OfficeDatabase : public ::testing::Test
{
protected:
    static constexpr const char *OwnerPassword = "wlasciciel-1";
    static constexpr const char *ClerkPassword = "ksiegowa-2";
    static constexpr const char *StrangerPassword = "obcy-3";

    void SetUp() override
    {
        const auto found = TestServerFromEnvironment();
        ZANDEROL_NEED_TEST_SERVER(found);
        server = *found;
        server.runOnServer({QStringLiteral("CREATE OR ALTER USER ZWLASCICIEL PASSWORD '%1'").arg(OwnerPassword),
                            QStringLiteral("CREATE OR ALTER USER KSIEGOWA PASSWORD '%1'").arg(ClerkPassword),
                            QStringLiteral("CREATE OR ALTER USER OBCY PASSWORD '%1'").arg(StrangerPassword),
                            QStringLiteral("GRANT CREATE DATABASE TO USER ZWLASCICIEL")});
        name = server.newDatabaseName("office");
        const DatabaseLogin owner{.user = "ZWLASCICIEL", .password = OwnerPassword};
        CreateEmptyDatabase(name, owner);
        GrantOfficeRole(name, owner, {"ksiegowa"});
        config.writeIni(name);
        QStandardPaths::setTestModeEnabled(true);
    }

    void TearDown() override
    {
        if (!name.isEmpty())
            QFile::remove(server.fileOf(name));
    }

    TestServer server;
    QString name;
    FreshDatabase config; // only for its Zanderol.ini
    MemoryKeyring keyring;
    MessageRecorder messages;
};

struct Try
{
    QString user, password;
    QString says; // what the window says after it, empty when it closes
};

}

// The window keeps asking until the server takes the login; a cancelled window ends
// the start. What it says after each try, and the login the start goes on with.
TEST_F(OfficeDatabase, TheLoginWindowAsksUntilTheServerAcceptsTheLogin)
{
    const QString refused = TLogowanieFrm::refusedMessage();
    struct Case
    {
        const char *name;
        std::vector<Try> tries;
        bool loggedIn;
    };
    const Case cases[] = {
        {"right at once", {{"ksiegowa", ClerkPassword, ""}}, true},
        {"wrong, then right", {{"KSIEGOWA", "zle", refused}, {"KSIEGOWA", ClerkPassword, ""}}, true},
        {"an unknown user", {{"nikt", ClerkPassword, refused}}, false},
        {"no user", {{"  ", "", "Podaj nazwę użytkownika."}}, false},
        {"an empty password", {{"ksiegowa", "", refused}}, false},
        {"an account without the office's role",
         {{"obcy", StrangerPassword,
           "Konto OBCY nie ma w tej bazie roli ZANDEROL, bez której program nie odczyta danych. "
           "Poproś o jej nadanie właściciela bazy (ZWLASCICIEL) (administratora biura)."}},
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ModalScript modal;
        QStringList said;
        modal.script = [&](QDialog &window) {
            for (const Try &attempt : c.tries) {
                type(window, "UzytkownikEdit", attempt.user);
                type(window, "HasloEdit", attempt.password);
                control<QPushButton>(window, "ZalogujBtn")->click();
                const auto *error = control<QLabel>(window, "BladLabel");
                said << (window.result() == QDialog::Accepted ? QString() : error->text());
                if (window.result() == QDialog::Accepted)
                    return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        };
        ConnectionSettings settings = ReadConnectionSettings();
        EXPECT_EQ(LogIn(settings), c.loggedIn ? LoginResult::LoggedIn : LoginResult::Cancelled);
        QStringList expected;
        for (const Try &attempt : c.tries)
            expected << attempt.says;
        EXPECT_EQ(said, expected);
        EXPECT_EQ(modal.titles, QStringList{"Logowanie"});
        if (c.loggedIn) {
            TDM dm;
            EXPECT_TRUE(dm.ConnectDatabase(settings));
            EXPECT_EQ(settings.password, ClerkPassword);
        }
    }
    EXPECT_TRUE(messages.warnings.isEmpty());
}

// The user name comes back at the next start; the password only when the user asked
// to keep it, and then from the keyring alone.
TEST_F(OfficeDatabase, TheNextStartOffersTheUserAndOnlyAKeptPassword)
{
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "kept" : "not kept");
        ModalScript modal;
        modal.script = [&](QDialog &window) {
            type(window, "UzytkownikEdit", "ksiegowa");
            type(window, "HasloEdit", ClerkPassword);
            control<QCheckBox>(window, "ZapamietajCheck")->setChecked(keep);
            control<QPushButton>(window, "ZalogujBtn")->click();
            return window.result();
        };
        ConnectionSettings first = ReadConnectionSettings();
        ASSERT_EQ(LogIn(first), LoginResult::LoggedIn);
        EXPECT_EQ(keyring.kept.values(), keep ? QStringList{ClerkPassword} : QStringList{});

        QString offeredUser, offeredPassword;
        modal.script = [&](QDialog &window) {
            offeredUser = control<QLineEdit>(window, "UzytkownikEdit")->text();
            offeredPassword = control<QLineEdit>(window, "HasloEdit")->text();
            return int(QDialog::Rejected);
        };
        ConnectionSettings next = ReadConnectionSettings();
        EXPECT_EQ(LogIn(next), LoginResult::Cancelled);
        EXPECT_EQ(offeredUser, "ksiegowa");
        EXPECT_EQ(offeredPassword, keep ? QString(ClerkPassword) : QString());
    }
}

// A password given in the configuration, or a plain path (a drive letter is no
// host), asks nobody.
TEST_F(OfficeDatabase, AConfiguredPasswordOrAPlainPathAsksNobody)
{
    struct Case
    {
        const char *name;
        QString database; // empty: the office's
        QStringList lines;
        bool connects;
    };
    const Case cases[] = {
        {"configured login", {}, {"Uzytkownik=ksiegowa", QStringLiteral("Haslo=%1").arg(ClerkPassword)}, true},
        {"plain path", config.path(), {}, true},
        {"Windows drive letter", "C:\\Zanderol\\ZANDEROL.FDB", {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        config.writeIni(c.database.isEmpty() ? name : c.database, c.lines);
        ModalScript modal;
        ConnectionSettings settings = ReadConnectionSettings();
        EXPECT_EQ(LogIn(settings), LoginResult::LoggedIn);
        EXPECT_TRUE(modal.titles.isEmpty());
        TDM dm;
        EXPECT_EQ(dm.ConnectDatabase(settings), c.connects);
    }
}

// The office's role holds what the program does with its lists, and nothing beyond;
// a user without it reaches nothing.
TEST_F(OfficeDatabase, TheOfficeRoleHoldsWhatTheProgramDoesAndNoMore)
{
    struct Case
    {
        const char *user;
        const char *password;
        bool works;
    };
    const Case cases[] = {{"KSIEGOWA", ClerkPassword, true}, {"OBCY", StrangerPassword, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.user);
        const ConnectionSettings settings{.database = name, .user = c.user, .password = c.password};
        TDM dm;
        bool worked = false;
        try {
            ASSERT_TRUE(dm.ConnectDatabase(settings));
            dm.Zwykle.append();
            const qint32 id = dm.NewTransferId();
            dm.Zwykle.setValue("PRZELEWID", id);
            dm.Zwykle.setValue("NAZWA1_ODB", "ODBIORCA");
            dm.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(1)));
            dm.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
            dm.Zwykle.post();
            dm.ReopenOrdinaryList(id);
            dm.Zwykle.edit();
            dm.Zwykle.setValue("NAZWA1_ODB", "INNY");
            dm.Zwykle.post();
            dm.Zwykle.remove();
            dm.Adresaci.append();
            dm.Adresaci.setValue("ADRESATID", dm.NewContractorId());
            dm.Adresaci.setValue("NAZWA", "KOWALSKI");
            dm.Adresaci.post();
            worked = true;
        } catch (const FbError &error) {
            EXPECT_FALSE(c.works) << error.databaseMessage().toStdString();
        }
        EXPECT_EQ(worked, c.works);
        if (worked) {
            // Beyond the program's needs: changing the tables themselves, or setting a
            // sequence back so that numbers are given out twice.
            for (const char *beyond : {"DROP TABLE ZWYKLE", "ALTER TABLE ADRESACI ADD X INTEGER",
                                       "EXECUTE BLOCK AS DECLARE N BIGINT; BEGIN N = GEN_ID(GEN_PRZELEWID, -5); END"})
                EXPECT_THROW(RunInOneTransaction(name, {beyond}, {.user = c.user, .password = c.password}), FbError)
                    << beyond;
        }
    }
}

// A database made before the tables announced their changes and the ordinary orders kept
// the invoice they pay: a user of the office role may not add the triggers or the
// columns, and the start goes on without them; its owner's start adds them.
TEST_F(OfficeDatabase, OnlyTheOwnersStartAddsTheTriggersThatAnnounceChangesAndTheInvoiceColumns)
{
    const DatabaseLogin owner{.user = "ZWLASCICIEL", .password = OwnerPassword};
    QStringList drops{"ALTER TABLE ZWYKLE DROP NIP_ODB, DROP NR_FAKTURY, DROP NR_KSEF, DROP MPP, DROP KWOTA_VAT"};
    for (const QString &table : TDM::ChangeEventTables())
        drops << "DROP TRIGGER " + TDM::ChangeTriggerName(table);
    RunInOneTransaction(name, drops, owner);
    const auto invoiceColumns = [](TDM &dm) {
        dm.OpenQuery("select count(*) from RDB$RELATION_FIELDS where RDB$RELATION_NAME = 'ZWYKLE' and "
                     "RDB$FIELD_NAME in ('NIP_ODB', 'NR_FAKTURY', 'NR_KSEF', 'MPP', 'KWOTA_VAT')");
        const int count = dm.q.value("COUNT").toInt();
        dm.trq.commit();
        return count;
    };
    const auto triggers = [](TDM &dm) {
        dm.OpenQuery("select count(*) from RDB$TRIGGERS where trim(RDB$TRIGGER_NAME) like '%ZMIANY'");
        const int count = dm.q.value("COUNT").toInt();
        dm.trq.commit();
        return count;
    };
    struct Case
    {
        const char *user;
        const char *password;
        int triggersAfter;
        int invoiceColumnsAfter;
    };
    const Case cases[] = {
        {"KSIEGOWA", ClerkPassword, 0, 0},
        {"ZWLASCICIEL", OwnerPassword, int(TDM::ChangeEventTables().size()), 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.user);
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase({.database = name, .user = c.user, .password = c.password}));
        EXPECT_TRUE(dm.Zwykle.isOpen());
        EXPECT_EQ(triggers(dm), c.triggersAfter);
        EXPECT_EQ(invoiceColumns(dm), c.invoiceColumnsAfter);
        EXPECT_TRUE(messages.warnings.isEmpty());
    }
}

// A server that does not answer: the window tries once and the start is told at once,
// without a second wait; the password nobody checked is not kept.
TEST_F(OfficeDatabase, ASilentServerEndsTheLoginAfterOneWaitKeepingNoPassword)
{
    SilentProxy proxy(TestServerPort(server));
    proxy.fallSilent();
    config.writeIni(proxy.throughProxy(server, name));
    ModalScript modal;
    modal.script = [&](QDialog &window) {
        type(window, "UzytkownikEdit", "ksiegowa");
        type(window, "HasloEdit", ClerkPassword);
        control<QCheckBox>(window, "ZapamietajCheck")->setChecked(true);
        control<QPushButton>(window, "ZalogujBtn")->click();
        return window.result();
    };
    QElapsedTimer clock;
    clock.start();
    ConnectionSettings settings = ReadConnectionSettings();
    EXPECT_EQ(LogIn(settings), LoginResult::Unreachable);
    EXPECT_LT(clock.elapsed(), (FbConnection::ConnectTimeoutSeconds + 5) * 1000);
    EXPECT_TRUE(keyring.kept.isEmpty());
}
