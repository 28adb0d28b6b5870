#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the user's settings at a fresh directory for the lifetime of a test, so
// that margins saved by the tests never reach the real user's settings.
class SettingsSandbox
{
public:
    SettingsSandbox()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    SettingsSandbox(const SettingsSandbox &) = delete;
    SettingsSandbox &operator=(const SettingsSandbox &) = delete;

    QString path() const { return dir_.path(); }

    // Writes a raw value under the margins of a printer and form, as a damaged entry would look.
    static void writeRaw(const QString &groupPath, const QString &value, const QVariant &data)
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"),
                           QStringLiteral("Zanderol"));
        settings.setValue(groupPath + u'/' + value, data);
    }

private:
    QTemporaryDir dir_;
};
