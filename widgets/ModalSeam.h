#pragma once

#include <functional>

class QDialog;

// Every modal dialog of printing is run through here, so that tests can answer
// them without a human: a test installs a runner, the program leaves the default.
namespace ModalSeam {

using Runner = std::function<int(QDialog &dialog)>;

// An empty runner restores the default, QDialog::exec.
void install(Runner runner);
int run(QDialog &dialog);

}
