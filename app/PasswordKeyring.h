#pragma once

#include <QString>

// Where a password the user asked to keep lives: the desktop's keyring, never a
// plain file. Tests put a keyring of their own in its place.
class PasswordKeyring
{
public:
    virtual ~PasswordKeyring() = default;
    // Empty when nothing is kept under the key (or the keyring cannot be read).
    virtual QString read(const QString &key) = 0;
    // False, with the keyring's reason, when it could not be kept.
    virtual bool store(const QString &key, const QString &password, QString &reason) = 0;
    virtual void forget(const QString &key) = 0;
};

// The desktop's keyring (QtKeychain) unless a test put another in its place.
PasswordKeyring &CurrentKeyring();
// nullptr puts the desktop's keyring back.
void ReplaceKeyring(PasswordKeyring *keyring);
