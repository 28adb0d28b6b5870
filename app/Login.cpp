#include "Login.h"

#include "DatabaseCreator.h"
#include "FbConnection.h"
#include "FbError.h"
#include "FbQuery.h"
#include "FbTransaction.h"
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

// An account the server takes may still lack the office's role, and with it every
// right to the program's tables: it is told so in Polish, not in the engine's English
// at the first list, and it is not remembered.
TLogowanieFrm::Answer tryLogin(const QString &database, const QString &user, const QString &password)
{
    FbConnection probe;
    probe.setDatabaseName(database);
    probe.setLogin(user, password);
    try {
        probe.open();
    } catch (const FbError &error) {
        return {error.hasCode(LoginRefused) ? TLogowanieFrm::Outcome::Refused : TLogowanieFrm::Outcome::Unreachable};
    }
    TLogowanieFrm::Answer answer{TLogowanieFrm::Outcome::Accepted};
    try {
        FbTransaction transaction(probe);
        transaction.start();
        FbQuery query(transaction);
        // A read that stops before the first record is not checked; a count is.
        query.setSql(QStringLiteral("select count(*) from ADRESACI"));
        query.open();
        query.close();
        transaction.commit();
    } catch (const FbError &error) {
        if (!error.hasCode(FbError::NoPermission))
            throw;
        const QString owner = DatabaseOwner(probe);
        answer = {TLogowanieFrm::Outcome::Denied,
                  QStringLiteral("Konto %1 nie ma w tej bazie roli %2, bez której program nie odczyta danych. "
                                 "Poproś o jej nadanie właściciela bazy%3 (administratora biura).")
                      .arg(user.toUpper(), QLatin1String(FbConnection::Role),
                           owner.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(owner))};
    }
    probe.close();
    return answer;
}

}

LoginResult LogIn(ConnectionSettings &settings)
{
    if (!settings.namesServer() || settings.passwordGiven)
        return LoginResult::LoggedIn;
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
        return LoginResult::Cancelled;
    // A password nobody has checked is neither kept nor tried a second time.
    if (window.outcome() == TLogowanieFrm::Outcome::Unreachable)
        return LoginResult::Unreachable;

    settings.user = window.user();
    settings.password = window.password();
    userSettings().setValue(RememberedUser, settings.user);
    const QString key = keyringKey(settings.user, database);
    QString reason;
    if (!window.keepPassword())
        keyring.forget(key);
    else if (!keyring.store(key, settings.password, reason))
        MessageSeam::warning(QStringLiteral("Nie udało się zapamiętać hasła w schowku haseł pulpitu: ") + reason);
    return LoginResult::LoggedIn;
}
