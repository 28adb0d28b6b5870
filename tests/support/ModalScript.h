#pragma once

#include "ModalSeam.h"

#include <QDialog>
#include <QStringList>
#include <functional>

// Answers every modal dialog of the program with a script of the test's own and
// records which dialogs came up; with no script the dialog is cancelled.
class ModalScript
{
public:
    using Script = std::function<int(QDialog &dialog)>;

    ModalScript()
    {
        ModalSeam::install([this](QDialog &dialog) {
            titles << dialog.windowTitle();
            return script ? script(dialog) : int(QDialog::Rejected);
        });
    }
    ~ModalScript() { ModalSeam::install(nullptr); }
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

    Script script;
    QStringList titles;
};
