#pragma once

#include "FbConnection.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Listens on a connection for the events the database's triggers post when a table
// changes, whoever changed it. The database delivers them on a thread of its own; they
// come out here as signals on the thread the object lives on, one per event name
// however many commits posted it since the last delivery.
//
// Through a server the events come on a second connection, to a port the server picks,
// which can be lost while the database connection lives on: the wait then ends without
// the counts. It is asked for again every few seconds until a delivery comes whole;
// meanwhile nothing is announced, and interrupted() and resumed() tell so.
class ChangeEvents : public QObject, private FbAttachmentUser
{
    Q_OBJECT

public:
    ChangeEvents(FbConnection &connection, QStringList names, QObject *parent = nullptr);
    ~ChangeEvents() override;
    ChangeEvents(const ChangeEvents &) = delete;
    ChangeEvents &operator=(const ChangeEvents &) = delete;

    // Starts listening on the connection's attachment. A database or connection that
    // offers no events (a server whose event port cannot be reached) leaves it
    // silent: false, and nothing is reported.
    bool listen();
    void stop();
    bool isListening() const { return events_ != nullptr; }

    // How often a lost wait is asked for again.
    static constexpr int RetryMilliseconds = 3000;

signals:
    void posted(const QString &name);
    // The events stopped coming (their connection was lost); changes go unannounced
    // until resumed().
    void interrupted();
    void resumed();

private:
    class Callback;

    void attachmentClosing() override { stop(); }
    void delivered();
    bool queue(const QByteArray &block);
    void releaseEndedWait();
    void newCallback();
    void dropCallback();
    void waitLost();
    void retry();
    void detachOwn();

    FbConnection &connection_;
    QStringList names_;
    // The event parameter block: the names, each with the count last seen.
    QByteArray counts_;
    Callback *callback_ = nullptr;
    Firebird::IEvents *events_ = nullptr;
    // After a loss, the events' own attachment (the connection's cannot listen again).
    Firebird::IAttachment *own_ = nullptr;
    QTimer retryTimer_;
    bool interrupted_ = false;
};
