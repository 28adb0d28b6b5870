// The program's own run, headless, for the test of how termination signals end a
// run. With the argument "post" it stores a payment title through the titles list
// without committing it (as a directory window does until it closes) and prints the
// title's identifier; with "poll" it asks the database for a new identifier every
// fifth of a second, as a window at work does, and prints "polling" once it has begun.
// Every message of the run goes to standard error.

#include "FDM.h"
#include "MessageSeam.h"
#include "ProgramRun.h"
#include "TerminationSignals.h"

#include "FailureReport.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

class StandardErrorMessages : public MessageSink
{
public:
    void warning(const QString &text) override
    {
        std::fprintf(stderr, "warning: %s\n", text.toUtf8().constData());
    }
    bool confirm(const QString &text) override
    {
        std::fprintf(stderr, "question: %s\n", text.toUtf8().constData());
        return false;
    }
};

void postTitle()
{
    DM->Tytuly.append();
    const qint32 id = DM->NewTitleId();
    DM->Tytuly.setValue(QStringLiteral("TYTULID"), id);
    DM->Tytuly.setValue(QStringLiteral("NAZWA"), QStringLiteral("Przed sygnałem %1").arg(id));
    DM->Tytuly.post();
    std::printf("%d\n", id);
    std::fflush(stdout);
}

void pollNowAndThen()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        try {
            DM->NewTitleId();
        } catch (const std::exception &error) {
            ReportFailure(error);
        }
    });
    timer->start(200);
    std::printf("polling\n");
    std::fflush(stdout);
}

}

int main(int argc, char **argv)
{
    TerminationSignals::catchSignals();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tevalo"));
    QApplication::setApplicationName(QStringLiteral("Zanderol"));
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    StandardErrorMessages messages;
    return RunProgram(messages, [mode] {
        if (mode == "post")
            postTitle();
        else if (mode == "poll")
            pollNowAndThen();
    });
}
