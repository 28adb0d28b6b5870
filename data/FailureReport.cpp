#include "FailureReport.h"

#include "FbError.h"
#include "MessageSeam.h"

#include <QString>

namespace {
bool lossReported = false;
std::function<void()> &connectionLostAction()
{
    static std::function<void()> action;
    return action;
}
}

void ReportFailure(const std::exception &error)
{
    if (dynamic_cast<const AbortOperation *>(&error))
        return;
    const auto *database = dynamic_cast<const FbError *>(&error);
    if (!database) {
        MessageSeam::warning(QString::fromLocal8Bit(error.what()));
        return;
    }
    if (!database->isConnectionLost()) {
        MessageSeam::warning(database->message());
        return;
    }
    if (lossReported)
        return;
    lossReported = true;
    MessageSeam::warning(database->message());
    if (connectionLostAction())
        connectionLostAction()();
}

void SetConnectionLostAction(std::function<void()> action)
{
    connectionLostAction() = std::move(action);
}

bool ConnectionLossReported()
{
    return lossReported;
}

void ConnectionOpened()
{
    lossReported = false;
}
