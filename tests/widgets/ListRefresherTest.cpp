#include "DatabaseCreator.h"
#include "DatasetGrid.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "ListRefresher.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Money.h"
#include "SilentProxy.h"
#include "TestServer.h"

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace {

// Lets the event loop run until the condition holds or the time is up.
bool waitFor(const std::function<bool()> &condition, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void keepRunning(int milliseconds)
{
    waitFor([] { return false; }, milliseconds);
}

// Two desktops on one database: "other" changes it, "desk" shows it with its lists
// refreshed as the database announces changes.
class TwoDesktops
{
public:
    explicit TwoDesktops(bool throughServer)
    {
        if (throughServer) {
            server_ = TestServerFromEnvironment();
            if (!server_)
                return;
            name_ = server_->newDatabaseName("events");
            CreateEmptyDatabase(name_, server_->sysdba());
            config_.writeIni(name_, server_->iniLogin());
        }
        other.emplace();
        desk.emplace();
        connected = other->ConnectDatabase() && desk->ConnectDatabase();
        refresher.emplace(*desk);
    }
    ~TwoDesktops()
    {
        refresher.reset();
        desk.reset();
        other.reset();
        if (server_)
            QFile::remove(server_->fileOf(name_));
    }

    bool available() const { return other.has_value(); }

    // Cuts this process's connections to the server other than those to its port: the
    // ones that carry the events, as a firewall or a router that forgets them does.
    int cutEventConnections() const
    {
        int cut = 0;
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString &entry : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
            const int fd = entry.toInt();
            struct stat status{};
            sockaddr_in peer{};
            socklen_t length = sizeof peer;
            if (::fstat(fd, &status) != 0 || !S_ISSOCK(status.st_mode)
                || ::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &length) != 0 || peer.sin_family != AF_INET
                || peer.sin_addr.s_addr != htonl(INADDR_LOOPBACK) || ntohs(peer.sin_port) == TestServerPort(*server_))
                continue;
            ::shutdown(fd, SHUT_RDWR);
            ++cut;
        }
        return cut;
    }

    qint32 storeOrder(const QString &recipient)
    {
        other->Zwykle.append();
        const qint32 id = other->NewTransferId();
        other->Zwykle.setValue("PRZELEWID", id);
        other->Zwykle.setValue("NAZWA1_ODB", recipient);
        other->Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(100)));
        other->Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
        other->Zwykle.post();
        other->ReopenOrdinaryList(id);
        return id;
    }

    void deleteOrder(qint32 id)
    {
        other->ReopenOrdinaryList(id);
        other->Zwykle.remove();
        other->ReopenOrdinaryList(0);
    }

    qint32 storeContractor(const QString &name)
    {
        other->Adresaci.append();
        const qint32 id = other->NewContractorId();
        other->Adresaci.setValue("ADRESATID", id);
        other->Adresaci.setValue("NAZWA", name);
        other->Adresaci.post();
        other->ReopenContractors(id);
        return id;
    }

    static bool lists(Dataset &list, const QString &field, const QString &value)
    {
        for (int row = 0; row < list.fetchedCount() || list.fetchMore(100) > 0; ++row)
            if (list.valueAt(row, field).toString() == value)
                return true;
        return false;
    }

    std::optional<TDM> other, desk;
    std::optional<ListRefresher> refresher;
    bool connected = false;
    MessageRecorder messages;

private:
    std::optional<TestServer> server_;
    QString name_;
    FreshDatabase config_;
};

}

// A change committed on one desktop shows on the other within about two seconds, the
// other's current row kept, whether through a server or in the embedded engine.
TEST(ListRefresh, AnotherDesktopsChangeShowsWithoutAnyAction)
{
    struct Case
    {
        const char *what;
        bool throughServer;
        bool contractor;
    };
    const Case cases[] = {
        {"an order, through a server", true, false},
        {"a contractor, through a server", true, true},
        {"an order, embedded", false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TwoDesktops desktops(c.throughServer);
        if (c.throughServer)
            ZANDEROL_NEED_TEST_SERVER(desktops.available());
        ASSERT_TRUE(desktops.connected);
        TDM &desk = *desktops.desk;
        Dataset &list = c.contractor ? desk.Adresaci : desk.Zwykle;
        const QString key = c.contractor ? "ADRESATID" : "PRZELEWID";
        const QString field = c.contractor ? "NAZWA" : "NAZWA1_ODB";
        const qint32 standing = c.contractor ? desktops.storeContractor("B STOI") : desktops.storeOrder("STOI");
        ASSERT_TRUE(waitFor([&] { return TwoDesktops::lists(list, field, c.contractor ? "B STOI" : "STOI"); }, 2000));
        ASSERT_TRUE(list.locate(key, standing));

        if (c.contractor)
            desktops.storeContractor("A NOWY");
        else
            desktops.storeOrder("NOWY");
        EXPECT_TRUE(waitFor([&] { return TwoDesktops::lists(list, field, c.contractor ? "A NOWY" : "NOWY"); }, 2000));
        EXPECT_EQ(list.value(key).toInt(), standing);
    }
}

// Several orders chosen in the list stay chosen, by their numbers, when another
// desktop's change reads the list again; the row the list moves to from a chosen
// order deleted meanwhile is not chosen in its place.
TEST(ListRefresh, ASelectionOfSeveralOrdersSurvivesAnotherDesktopsChange)
{
    struct Case
    {
        const char *what;
        bool deleteCurrent;   // else an order is added
        QStringList selected; // afterwards, by recipient
    };
    const Case cases[] = {
        {"an order added above them", false, {"C", "A"}},
        {"the current one of them deleted", true, {"A"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TwoDesktops desktops(false);
        ASSERT_TRUE(desktops.connected);
        Dataset &list = desktops.desk->Zwykle;
        desktops.storeOrder("A");
        desktops.storeOrder("B");
        const qint32 current = desktops.storeOrder("C");
        ASSERT_TRUE(waitFor([&] { return TwoDesktops::lists(list, "NAZWA1_ODB", "A"); }, 2000));
        DatasetGrid grid(list, {{"NAZWA1_ODB", "Odbiorca", 100, {}}});
        grid.setSelectionMode(QAbstractItemView::ExtendedSelection);
        // Newest first: C, B, A; A chosen, then C with Ctrl.
        QItemSelectionModel &selection = *grid.selectionModel();
        selection.setCurrentIndex(grid.model()->index(2, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selection.setCurrentIndex(grid.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

        if (c.deleteCurrent)
            desktops.deleteOrder(current);
        else
            desktops.storeOrder("D");
        ASSERT_TRUE(waitFor(
            [&] {
                return c.deleteCurrent ? !TwoDesktops::lists(list, "NAZWA1_ODB", "C")
                                       : TwoDesktops::lists(list, "NAZWA1_ODB", "D");
            },
            2000));
        keepRunning(300);
        QStringList selected;
        for (const QModelIndex &row : selection.selectedRows())
            selected << row.data().toString();
        selected.sort();
        QStringList expected = c.selected;
        expected.sort();
        EXPECT_EQ(selected, expected);
    }
}

// A list is never read again while someone works in it or over it: only after that
// ends. The one list window that shows it, alone, is no obstacle.
TEST(ListRefresh, AListInUseIsReadAgainOnlyAfterwards)
{
    struct Case
    {
        const char *what;
        bool editing;                 // a row of the list in edit
        QList<bool> windows;          // dialogs open, lowest first: true shows the list
        bool readWhileOpen;
    };
    const Case cases[] = {
        {"a row in edit", true, {}, false},
        {"an editor over the list window", false, {true, false}, false},
        {"another list's window", false, {false}, false},
        {"the list window alone", false, {true}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TwoDesktops desktops(true);
        ZANDEROL_NEED_TEST_SERVER(desktops.available());
        ASSERT_TRUE(desktops.connected);
        Dataset &list = desktops.desk->Adresaci;
        desktops.storeContractor("ISTNIEJE");
        ASSERT_TRUE(waitFor([&] { return TwoDesktops::lists(list, "NAZWA", "ISTNIEJE"); }, 2000));
        std::vector<std::unique_ptr<QDialog>> windows;
        for (const bool showsList : c.windows) {
            windows.push_back(std::make_unique<QDialog>());
            if (showsList)
                new DatasetGrid(list, {{"NAZWA", "Nazwa", 100, {}}}, windows.back().get());
        }

        bool readWhileOpen = false;
        const auto inUse = [&] {
            desktops.storeContractor("NOWY");
            keepRunning(1500);
            readWhileOpen = TwoDesktops::lists(list, "NAZWA", "NOWY");
        };
        ModalScript modals;
        size_t depth = 0;
        modals.script = [&](QDialog &) {
            if (++depth < windows.size())
                ModalSeam::run(*windows.at(depth));
            else
                inUse();
            return int(QDialog::Rejected);
        };
        if (c.editing)
            list.edit();
        if (windows.empty())
            inUse();
        else
            ModalSeam::run(*windows.front());
        if (c.editing)
            list.cancel();
        EXPECT_EQ(readWhileOpen, c.readWhileOpen);
        EXPECT_TRUE(waitFor([&] { return TwoDesktops::lists(list, "NAZWA", "NOWY"); }, 2000));
    }
}

// The connection that carries the events is lost while the database connection lives
// on: the user is told once that the lists refresh with F5 meanwhile, and once the
// events come again every change shows, those made meanwhile too.
TEST(ListRefresh, ListsFollowAgainAfterTheEventsConnectionIsLost)
{
    TwoDesktops desktops(true);
    ZANDEROL_NEED_TEST_SERVER(desktops.available());
    ASSERT_TRUE(desktops.connected);
    Dataset &list = desktops.desk->Zwykle;
    desktops.storeOrder("PRZED");
    ASSERT_TRUE(waitFor([&] { return TwoDesktops::lists(list, "NAZWA1_ODB", "PRZED"); }, 2000));

    ASSERT_GT(desktops.cutEventConnections(), 0);
    EXPECT_TRUE(waitFor([&] { return !desktops.messages.warnings.isEmpty(); }, 2000));
    desktops.storeOrder("W PRZERWIE");
    EXPECT_TRUE(waitFor([&] { return TwoDesktops::lists(list, "NAZWA1_ODB", "W PRZERWIE"); },
                        ChangeEvents::RetryMilliseconds + 3000));
    desktops.storeOrder("PO");
    EXPECT_TRUE(waitFor([&] { return TwoDesktops::lists(list, "NAZWA1_ODB", "PO"); }, 2000));
    EXPECT_EQ(desktops.messages.warnings, QStringList{ListRefresher::NotFollowingMessage});
    EXPECT_TRUE(desktops.desk->Changes.isListening());
}
