#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

class QLineEdit;
class QWidget;

// One check that "&Zapisz" runs before storing. A check with a field stops the save:
// its message is shown, the focus goes to the field, and nothing is stored. A check
// without a field only warns, and the save goes on.
struct SaveCheck
{
    std::function<bool()> fails;
    QString message;
    QWidget *focus = nullptr;
};

// Runs the checks in the given order; false when one of them stopped the save.
bool RunSaveChecks(std::initializer_list<SaveCheck> checks);

// A required text: blanks alone say nothing, so a line of them counts as empty.
bool IsBlank(const QLineEdit *line);
