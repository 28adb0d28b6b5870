#pragma once

#include "FbApi.h"

#include <QList>
#include <QString>
#include <memory>

class FbTransaction;
class ServerWatch;

// Something that holds a request on the attachment itself (a wait for events) and must
// let go of it before the attachment detaches.
class FbAttachmentUser
{
public:
    virtual void attachmentClosing() = 0;

protected:
    ~FbAttachmentUser() = default;
};

// One attachment to a database, named exactly as the Firebird client expects: a
// plain path opens the embedded engine, "host:/path" goes through a server.
class FbConnection
{
public:
    // The login when none is configured; the embedded engine checks no password.
    static constexpr const char *UserName = "sysdba";
    static constexpr const char *Password = "quartzpen";
    // The role an office database grants its users (zanderol-newdb): a server
    // applies a user's rights through it only when the connection names it.
    static constexpr const char *Role = "ZANDEROL";
    static constexpr const char *CharacterSet = "WIN1250";
    static constexpr unsigned Dialect = 3;
    // How long connecting waits for a server that does not answer.
    static constexpr int ConnectTimeoutSeconds = 10;

    FbConnection();
    ~FbConnection();
    FbConnection(const FbConnection &) = delete;
    FbConnection &operator=(const FbConnection &) = delete;

    void setDatabaseName(const QString &name) { databaseName_ = name; }
    const QString &databaseName() const { return databaseName_; }
    void setLogin(const QString &user, const QString &password);
    // The login in use, for the tasks that reach the database by another way (the
    // service manager) and must not fall back on the built-in one.
    const QString &user() const { return user_; }
    const QString &password() const { return password_; }

    void open();
    // Commits every transaction still active, each one even when another fails, then
    // detaches. A failed commit is rolled back; the error thrown then names what each
    // failed transaction was for (or is the lost connection itself).
    void close();
    bool isOpen() const { return attachment_ != nullptr; }

    Firebird::IAttachment *attachment() const;
    // Another attachment to the same database with the same login, the caller's to
    // detach: for the events, whose second connection the client never makes again on
    // an attachment that lost it. Throws FbError.
    Firebird::IAttachment *attachAnother() const;

    void addAttachmentUser(FbAttachmentUser *user) { attachmentUsers_.append(user); }
    void removeAttachmentUser(FbAttachmentUser *user) { attachmentUsers_.removeAll(user); }

    // Creates a new, empty database file with WIN1250 as its default character set,
    // owned by the user of the login.
    static void createDatabase(const QString &name, const QString &user = QString::fromLatin1(UserName),
                               const QString &password = QString::fromLatin1(Password));

private:
    friend class FbTransaction;
    void enlist(FbTransaction *transaction) { transactions_.append(transaction); }
    void delist(FbTransaction *transaction) { transactions_.removeAll(transaction); }

    QString databaseName_;
    QString user_ = QString::fromLatin1(UserName);
    QString password_ = QString::fromLatin1(Password);
    Firebird::IAttachment *attachment_ = nullptr;
    Firebird::IProvider *provider_ = nullptr;
    std::unique_ptr<ServerWatch> watch_; // only through a server
    QList<FbTransaction *> transactions_;
    QList<FbAttachmentUser *> attachmentUsers_;
};
