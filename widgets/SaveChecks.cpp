#include "SaveChecks.h"

#include "MessageSeam.h"

#include <QLineEdit>
#include <QWidget>

bool RunSaveChecks(std::initializer_list<SaveCheck> checks)
{
    for (const SaveCheck &check : checks) {
        if (!check.fails())
            continue;
        MessageSeam::warning(check.message);
        if (check.focus) {
            check.focus->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

bool IsBlank(const QLineEdit *line)
{
    return line->text().trimmed().isEmpty();
}
