#include "PasswordKeyring.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString Service = QStringLiteral("Zanderol");

// Runs a keyring job to its end; the keyring answers asynchronously.
void runToEnd(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    job.start();
    if (!finished)
        loop.exec();
}

class DesktopKeyring : public PasswordKeyring
{
public:
    QString read(const QString &key) override
    {
        QKeychain::ReadPasswordJob job(Service);
        job.setKey(key);
        runToEnd(job);
        return job.error() == QKeychain::NoError ? job.textData() : QString();
    }

    bool store(const QString &key, const QString &password, QString &reason) override
    {
        QKeychain::WritePasswordJob job(Service);
        job.setKey(key);
        job.setTextData(password);
        runToEnd(job);
        reason = job.errorString();
        return job.error() == QKeychain::NoError;
    }

    void forget(const QString &key) override
    {
        QKeychain::DeletePasswordJob job(Service);
        job.setKey(key);
        runToEnd(job);
    }
};

PasswordKeyring *replacement = nullptr;

}

PasswordKeyring &CurrentKeyring()
{
    static DesktopKeyring desktop;
    return replacement ? *replacement : desktop;
}

void ReplaceKeyring(PasswordKeyring *keyring)
{
    replacement = keyring;
}
