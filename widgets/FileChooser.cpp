#include "FileChooser.h"

#include "ModalSeam.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"), QStringLiteral("Zanderol"));
}

QString key(const QString &purpose)
{
    return QStringLiteral("Foldery/") + purpose;
}

}

QString ChooseFile(QWidget *window, const QString &title, const QString &proposed, const QString &filter, bool saving)
{
    QFileDialog chooser(window, title, proposed, filter);
    chooser.setObjectName(saving ? QStringLiteral("ZapiszPlikDlg") : QStringLiteral("OtworzPlikDlg"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A folder selected as a file would open the chooser one level above it.
    if (!proposed.isEmpty() && !QFileInfo(proposed).isDir())
        chooser.selectFile(proposed);
    if (ModalSeam::run(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().first();
}

QString UserFolder(const QString &purpose)
{
    const QString last = userSettings().value(key(purpose)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberFolder(const QString &purpose, const QString &chosenFile)
{
    userSettings().setValue(key(purpose), QFileInfo(chosenFile).absolutePath());
}
