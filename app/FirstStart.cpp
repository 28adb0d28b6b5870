#include "FirstStart.h"

#include "DatabasePath.h"
#include "FPierwszyStartFrm.h"
#include "ModalSeam.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

void ChooseDatabaseOnFirstStart()
{
    if (!ReadDatabasePath().isEmpty())
        return;
    TPierwszyStartFrm window(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                 .filePath(QStringLiteral("Zanderol")));
    const QString scripted = qEnvironmentVariable("ZANDEROL_FIRST_START");
    if (auto *choice = scripted.isEmpty() ? nullptr : window.findChild<QRadioButton *>(scripted)) {
        choice->click();
        window.findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
        return;
    }
    ModalSeam::run(window);
}
