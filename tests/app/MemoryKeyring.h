#pragma once

#include "PasswordKeyring.h"

#include <QMap>

// Takes the desktop keyring's place while it lives: tests never reach the real one.
class MemoryKeyring : public PasswordKeyring
{
public:
    MemoryKeyring() { ReplaceKeyring(this); }
    ~MemoryKeyring() override { ReplaceKeyring(nullptr); }
    QString read(const QString &key) override { return kept.value(key); }
    bool store(const QString &key, const QString &password, QString &) override
    {
        kept.insert(key, password);
        return true;
    }
    void forget(const QString &key) override { kept.remove(key); }

    QMap<QString, QString> kept;
};
