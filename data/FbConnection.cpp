#include "FbConnection.h"

#include "ConnectionSettings.h"
#include "FailureReport.h"
#include "FbTransaction.h"
#include "ServerWatch.h"

#include <algorithm>
#include <vector>

namespace {

Firebird::IXpbBuilder *connectionParameters(FbApi::Status &status, bool forCreate, const QString &user,
                                            const QString &password)
{
    auto *dpb = FbApi::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::DPB, nullptr, 0);
    status.check();
    dpb->insertString(&status, isc_dpb_user_name, user.toUtf8().constData());
    dpb->insertString(&status, isc_dpb_password, password.toUtf8().constData());
    // Ignored where the role does not exist or is not granted to the user.
    if (!forCreate)
        dpb->insertString(&status, isc_dpb_sql_role_name, FbConnection::Role);
    dpb->insertString(&status, isc_dpb_lc_ctype, FbConnection::CharacterSet);
    dpb->insertInt(&status, isc_dpb_sql_dialect, FbConnection::Dialect);
    // A server machine that is off or cut off answers nothing; the embedded engine ignores it.
    dpb->insertInt(&status, isc_dpb_connect_timeout, FbConnection::ConnectTimeoutSeconds);
    if (forCreate) {
        dpb->insertString(&status, isc_dpb_set_db_charset, FbConnection::CharacterSet);
        dpb->insertInt(&status, isc_dpb_set_db_sql_dialect, FbConnection::Dialect);
        dpb->insertInt(&status, isc_dpb_page_size, 8192);
    }
    status.check();
    return dpb;
}

}

FbConnection::FbConnection() = default;

FbConnection::~FbConnection()
{
    try {
        close();
    } catch (const FbError &) {
        // Nothing can be reported from a destructor; the server rolls back what was not committed.
    }
    for (FbTransaction *transaction : transactions_)
        transaction->connectionGone();
}

void FbConnection::open()
{
    close();
    FbApi::Status status;
    auto *dpb = connectionParameters(status, false, user_, password_);
    provider_ = FbApi::master()->getDispatcher();
    const QByteArray name = databaseName_.toLocal8Bit();
    const auto *buffer = dpb->getBuffer(&status);
    const std::vector<unsigned char> parameters(buffer, buffer + dpb->getBufferLength(&status));
    dpb->dispose();
    Firebird::IAttachment *attachment = provider_->attachDatabase(
        &status, name.constData(), static_cast<unsigned>(parameters.size()), parameters.data());
    if (status.failed()) {
        provider_->release();
        provider_ = nullptr;
        status.check();
    }
    attachment_ = attachment;
    ConnectionSettings named;
    named.database = databaseName_;
    if (named.namesServer())
        watch_ = std::make_unique<ServerWatch>(provider_, attachment_, name, parameters);
    ConnectionOpened();
}

void FbConnection::close()
{
    if (!attachment_)
        return;
    for (FbAttachmentUser *user : attachmentUsers_)
        user->attachmentClosing();
    // Every transaction gets its commit, whatever became of the one before it.
    std::vector<std::pair<const FbTransaction *, FbError>> failures;
    for (FbTransaction *transaction : transactions_) {
        if (!transaction->isActive())
            continue;
        try {
            transaction->commit();
        } catch (const FbError &error) {
            failures.emplace_back(transaction, error);
            transaction->abandon();
        }
    }
    for (FbTransaction *transaction : transactions_)
        transaction->connectionClosing();
    // Only now: a commit above may hang on a server that went, and the watch ends the wait.
    watch_.reset();
    FbApi::Status status;
    attachment_->detach(&status);
    if (status.failed())
        attachment_->release(); // the commits decided what was saved; the detach cannot lose more
    attachment_ = nullptr;
    provider_->release();
    provider_ = nullptr;
    if (failures.empty())
        return;
    const bool allLost = std::all_of(failures.begin(), failures.end(),
                                     [](const auto &failure) { return failure.second.isConnectionLost(); });
    if (allLost)
        throw failures.front().second;
    QString message = QStringLiteral("Nie udało się zapisać w bazie danych zmian:");
    for (const auto &[transaction, error] : failures)
        message += QStringLiteral("\r– %1: %2").arg(transaction->description(), error.message());
    throw FbError(message);
}

Firebird::IAttachment *FbConnection::attachAnother() const
{
    if (!provider_)
        throw FbError(QStringLiteral("Brak połączenia z bazą danych."));
    FbApi::Status status;
    auto *dpb = connectionParameters(status, false, user_, password_);
    const QByteArray name = databaseName_.toLocal8Bit();
    Firebird::IAttachment *another =
        provider_->attachDatabase(&status, name.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status));
    dpb->dispose();
    status.check();
    return another;
}

Firebird::IAttachment *FbConnection::attachment() const
{
    if (!attachment_)
        throw FbError(QStringLiteral("Brak połączenia z bazą danych."));
    return attachment_;
}

void FbConnection::setLogin(const QString &user, const QString &password)
{
    user_ = user;
    password_ = password;
}

void FbConnection::createDatabase(const QString &name, const QString &user, const QString &password)
{
    FbApi::Status status;
    auto *dpb = connectionParameters(status, true, user, password);
    Firebird::IProvider *provider = FbApi::master()->getDispatcher();
    const QByteArray path = name.toLocal8Bit();
    Firebird::IAttachment *attachment = provider->createDatabase(
        &status, path.constData(), dpb->getBufferLength(&status), dpb->getBuffer(&status));
    dpb->dispose();
    if (attachment) {
        FbApi::Status detachStatus;
        attachment->detach(&detachStatus);
    }
    provider->release();
    status.check();
}
