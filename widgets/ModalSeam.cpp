#include "ModalSeam.h"

#include <QDialog>

namespace {

ModalSeam::Runner &installedRunner()
{
    static ModalSeam::Runner runner;
    return runner;
}

}

namespace ModalSeam {

void install(Runner runner)
{
    installedRunner() = std::move(runner);
}

int run(QDialog &dialog)
{
    if (installedRunner())
        return installedRunner()(dialog);
    return dialog.exec();
}

}
