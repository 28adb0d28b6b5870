#include "Margins.h"

#include <QSettings>

namespace {

// QSettings reads both '/' and '\' as a separator of groups, and network printers
// are named like "\\server\printer"; the name is therefore kept as one group with
// those two characters, and the escape character itself, percent-encoded.
QString escapedGroup(const QString &name)
{
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'%')
            escaped += QStringLiteral("%25");
        else if (c == u'/')
            escaped += QStringLiteral("%2F");
        else if (c == u'\\')
            escaped += QStringLiteral("%5C");
        else
            escaped += c;
    }
    return escaped;
}

QString entryGroup(const QString &printerName, const QString &formName)
{
    return QStringLiteral("Marginesy/") + escapedGroup(printerName) + u'/' + escapedGroup(formName);
}

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"),
                     QStringLiteral("Zanderol"));
}

int readValue(QSettings &settings, const QString &value, const QString &printerName, const QString &formName)
{
    const QString where = QStringLiteral("drukarki „%1” i formularza %2").arg(printerName, formName);
    if (!settings.contains(value))
        throw MarginsError(QStringLiteral("Zapisane marginesy %1 są niepełne: brak wartości „%2”. "
                                          "Ustaw marginesy ponownie przyciskiem „Marginesy”.")
                               .arg(where, value)
                               .toStdString());
    bool ok = false;
    const int number = settings.value(value).toString().trimmed().toInt(&ok);
    if (!ok)
        throw MarginsError(QStringLiteral("Zapisane marginesy %1 są nieczytelne: wartość „%2” nie jest liczbą "
                                          "całkowitą. Ustaw marginesy ponownie przyciskiem „Marginesy”.")
                               .arg(where, value)
                               .toStdString());
    return number;
}

}

Margins LoadMargins(const QString &printerName, const QString &formName)
{
    QSettings settings = userSettings();
    settings.beginGroup(entryGroup(printerName, formName));
    if (settings.allKeys().isEmpty())
        return Margins();
    Margins margins;
    margins.left = readValue(settings, QStringLiteral("Lewy"), printerName, formName);
    margins.top = readValue(settings, QStringLiteral("Gora"), printerName, formName);
    return margins;
}

void SaveMargins(const QString &printerName, const QString &formName, int left, int top)
{
    QSettings settings = userSettings();
    settings.beginGroup(entryGroup(printerName, formName));
    settings.setValue(QStringLiteral("Lewy"), left);
    settings.setValue(QStringLiteral("Gora"), top);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw MarginsError(QStringLiteral("Nie udało się zapisać marginesów drukarki „%1” i formularza %2.")
                               .arg(printerName, formName)
                               .toStdString());
}
