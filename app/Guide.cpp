#include "Guide.h"

#include "MessageSeam.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString GuidePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../share/zanderol/podrecznik/podrecznik.html"));
}

void OpenGuide()
{
    const QString guide = GuidePath();
    if (!QFileInfo::exists(guide)) {
        MessageSeam::warning(QStringLiteral("Nie znaleziono podręcznika w pliku %1.\n"
                                            "Zainstaluj program ponownie z pakietu.").arg(guide));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        MessageSeam::warning(QStringLiteral("Nie udało się otworzyć przeglądarki.\n"
                                            "Podręcznik można otworzyć w dowolnej przeglądarce z pliku %1.").arg(guide));
}
