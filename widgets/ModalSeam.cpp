#include "ModalSeam.h"

#include "BusyCursor.h"

#include <QDialog>

namespace {

ModalSeam::Runner &installedRunner()
{
    static ModalSeam::Runner runner;
    return runner;
}

QList<QDialog *> &dialogsRunning()
{
    static QList<QDialog *> dialogs;
    return dialogs;
}

// Keeps a dialog in the list for as long as it runs, however its run ends.
class Running
{
public:
    explicit Running(QDialog &dialog) : dialog_(dialog) { dialogsRunning().append(&dialog_); }
    ~Running() { dialogsRunning().removeOne(&dialog_); }
    Running(const Running &) = delete;
    Running &operator=(const Running &) = delete;

private:
    QDialog &dialog_;
};

}

namespace ModalSeam {

void install(Runner runner)
{
    installedRunner() = std::move(runner);
}

int run(QDialog &dialog)
{
    const Running running(dialog);
    const NormalCursor normal;
    if (installedRunner())
        return installedRunner()(dialog);
    return dialog.exec();
}

const QList<QDialog *> &openDialogs()
{
    return dialogsRunning();
}

}
