#include "WhitelistMenu.h"

#include "MessageSeam.h"
#include "ModalSeam.h"
#include "TWczytajWykazFrm.h"
#include "WhitelistPlace.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

QString chooseFlatFile(QWidget *window)
{
    QFileDialog chooser(window, QStringLiteral("Wykaz podatników VAT – plik płaski"), QDir::homePath(),
                        QStringLiteral("Plik płaski Ministerstwa Finansów (*.7z *.json);;Wszystkie pliki (*)"));
    chooser.setObjectName(QStringLiteral("OtworzPlikDlg"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (ModalSeam::run(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().first();
}

}

void AddWhitelistEntries(QMenu *system, QWidget *window)
{
    QMenu *list = system->addMenu(QStringLiteral("&Wykaz podatników VAT"));
    list->setObjectName(QStringLiteral("WykazMnu"));
    QAction *read = list->addAction(QStringLiteral("Wczytaj plik &płaski…"));
    read->setObjectName(QStringLiteral("WczytajWykazMnu"));
    QObject::connect(read, &QAction::triggered, window, [window] { WczytajWykazMnuClick(window); });
}

void WczytajWykazMnuClick(QWidget *window)
{
    const QString file = chooseFlatFile(window);
    if (file.isEmpty())
        return;
    TWczytajWykazFrm import(file, WhitelistDirectory(), window);
    ModalSeam::run(import);
    if (const auto *failure = std::get_if<QString>(&import.outcome())) {
        MessageSeam::warning(QStringLiteral("Nie wczytano wykazu podatników VAT. %1\nDotychczasowy wykaz pozostaje bez zmian.")
                                 .arg(*failure));
        return;
    }
    const FlatFileSummary &list = std::get<FlatFileSummary>(import.outcome());
    QMessageBox box(QMessageBox::Information, QStringLiteral("Wykaz podatników VAT"),
                    QStringLiteral("Wczytano wykaz podatników VAT z dnia %1.\nCzynni podatnicy: %2, zwolnieni: %3, "
                                   "maski rachunków wirtualnych: %4.")
                        .arg(list.date.toString(QStringLiteral("dd.MM.yyyy")))
                        .arg(list.active)
                        .arg(list.exempt)
                        .arg(list.masks),
                    QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("InformacjaDlg"));
    ModalSeam::run(box);
}
