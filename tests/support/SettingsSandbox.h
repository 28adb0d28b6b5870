#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the user's settings at a fresh directory for the lifetime of a test, so
// that what the tests save (margins, folders) never reaches the real user's settings.
class SettingsSandbox
{
public:
    SettingsSandbox() : previous_(current())
    {
        point(dir_.path());
    }
    // Sandboxes nest: the one outside takes over again.
    ~SettingsSandbox()
    {
        if (!previous_.isEmpty())
            point(previous_);
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
    static QString &current()
    {
        static QString path;
        return path;
    }
    static void point(const QString &path)
    {
        current() = path;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }

    QTemporaryDir dir_;
    QString previous_;
};
