#pragma once

#include "FbConnection.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

// Listens on a connection for the events the database's triggers post when a table
// changes, whoever changed it. The database delivers them on a thread of its own; they
// come out here as signals on the thread the object lives on, one per event name
// however many commits posted it since the last delivery.
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

signals:
    void posted(const QString &name);

private:
    class Callback;

    void attachmentClosing() override { stop(); }
    void delivered();
    bool queue();

    FbConnection &connection_;
    QStringList names_;
    // The event parameter block: the names, each with the count last seen.
    QByteArray counts_;
    Callback *callback_ = nullptr;
    Firebird::IEvents *events_ = nullptr;
};
