#pragma once

#include "ConnectionSettings.h"

// The login step of the start-up: for a database on a server whose password the
// configuration does not give, the window "Logowanie" asks for the user and password
// until the server accepts them (or cannot be reached: the connection then reports
// that). The user name is remembered in the user's settings, the password only when
// the user asks, in the keyring, and only after the server took it.
enum class LoginResult {
    LoggedIn,    // the settings hold a login the server took (or need none)
    Cancelled,
    Unreachable, // the server did not answer: to be reported, not tried again
};
LoginResult LogIn(ConnectionSettings &settings);
