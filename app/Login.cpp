#include "Login.h"

#include "FbConnection.h"
#include "FbError.h"
#include "MessageSeam.h"
#include "ModalSeam.h"
#include "PasswordKeyring.h"
#include "TLogowanieFrm.h"

#include <QSettings>

namespace {

// The server's answer to a user it does not know or a wrong password.
constexpr long LoginRefused = 335544472;

const QString RememberedUser = QStringLiteral("Logowanie/Uzytkownik");

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"), QStringLiteral("Zanderol"));
}

QString keyringKey(const QString &user, const QString &database)
{
    return user.toUpper() + u'@' + database;
}

TLogowanieFrm::Outcome tryLogin(const QString &database, const QString &user, const QString &password)
{
    FbConnection probe;
    probe.setDatabaseName(database);
    probe.setLogin(user, password);
    try {
        probe.open();
        probe.close();
        return TLogowanieFrm::Outcome::Accepted;
    } catch (const FbError &error) {
        return error.hasCode(LoginRefused) ? TLogowanieFrm::Outcome::Refused : TLogowanieFrm::Outcome::Unreachable;
    }
}

}

bool LogIn(ConnectionSettings &settings)
{
    if (!settings.namesServer() || settings.passwordGiven)
        return true;
    QString user = userSettings().value(RememberedUser).toString();
    if (user.isEmpty() && settings.user.compare(QLatin1String(FbConnection::UserName), Qt::CaseInsensitive) != 0)
        user = settings.user;
    PasswordKeyring &keyring = CurrentKeyring();
    const QString database = settings.database;
    TLogowanieFrm window(database, [&database](const QString &name, const QString &password) {
        return tryLogin(database, name, password);
    });
    window.fill(user, user.isEmpty() ? QString() : keyring.read(keyringKey(user, database)));
    if (ModalSeam::run(window) != QDialog::Accepted)
        return false;

    settings.user = window.user();
    settings.password = window.password();
    userSettings().setValue(RememberedUser, settings.user);
    const QString key = keyringKey(settings.user, database);
    QString reason;
    if (!window.keepPassword())
        keyring.forget(key);
    else if (!keyring.store(key, settings.password, reason))
        MessageSeam::warning(QStringLiteral("Nie udało się zapamiętać hasła w schowku haseł pulpitu: ") + reason);
    return true;
}
