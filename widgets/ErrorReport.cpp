#include "ErrorReport.h"

#include "FailureReport.h"

void ReportError(const std::exception &error)
{
    ReportFailure(error);
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
