#include "ErrorReport.h"

#include "FbError.h"
#include "MessageSeam.h"

#include <QString>

void ReportError(const std::exception &error)
{
    if (dynamic_cast<const AbortOperation *>(&error))
        return;
    if (const auto *database = dynamic_cast<const FbError *>(&error)) {
        MessageSeam::warning(database->message());
        return;
    }
    MessageSeam::warning(QString::fromLocal8Bit(error.what()));
}

bool RunGuarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const std::exception &error) {
        ReportError(error);
    }
    return false;
}
