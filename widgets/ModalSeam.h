#pragma once

#include <QList>
#include <functional>

class QDialog;

// Every modal dialog of the program is run through here, so that tests can answer
// them without a human (a test installs a runner, the program leaves the default),
// and so that what is open over the main window is known.
namespace ModalSeam {

using Runner = std::function<int(QDialog &dialog)>;

// An empty runner restores the default, QDialog::exec.
void install(Runner runner);
int run(QDialog &dialog);
// The dialogs being run now, the one run first (lowest) first.
const QList<QDialog *> &openDialogs();

}
