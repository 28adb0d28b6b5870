#include "FirstStart.h"

#include "DatabasePath.h"
#include "FPierwszyStartFrm.h"
#include "ModalSeam.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

bool ChooseDatabaseOnFirstStart()
{
    return !ReadDatabasePath().isEmpty() || ChooseDatabase();
}

bool ChooseDatabase()
{
    TPierwszyStartFrm window(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                 .filePath(QStringLiteral("Zanderol")));
    const QString scripted = qEnvironmentVariable("ZANDEROL_FIRST_START");
    if (auto *choice = scripted.isEmpty() ? nullptr : window.findChild<QRadioButton *>(scripted)) {
        choice->click();
        window.findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
        return window.result() == QDialog::Accepted;
    }
    return ModalSeam::run(window) == QDialog::Accepted;
}
