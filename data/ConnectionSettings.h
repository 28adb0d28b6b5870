#pragma once

#include <QString>

// What the program connects with: the database as [Baza] Plik names it and the login,
// from [Baza] Uzytkownik and Haslo. Without them the built-in login stays, which the
// embedded engine accepts (it checks no password).
struct ConnectionSettings
{
    QString database;
    QString user;
    QString password;
    bool passwordGiven = false; // [Baza] names Haslo: nobody is asked for one

    // A name with a host before the path ("host:/path", "host/port:path"); a drive
    // letter ("C:\...") is a plain path.
    bool namesServer() const;
};

ConnectionSettings ReadConnectionSettings();
