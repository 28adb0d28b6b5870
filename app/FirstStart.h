#pragma once

// Start-up's step before the first connection: when no configuration names a
// database (no Zanderol.ini anywhere, or one without a name in it), the first-start
// window lets the user choose one and names it in the user's configuration, which
// the connection then reads. False when the user cancelled the window: the program
// then ends without a word, as the user chose.
//
// A run without anyone at the screen (the check of the installed package) names the
// choice's control in the environment variable ZANDEROL_FIRST_START ("NowaRb" or
// "DemoRb"): the window then makes that choice at once instead of waiting for a user.
bool ChooseDatabaseOnFirstStart();

// The first-start window whatever the configuration names (the database it names is
// gone): false when cancelled.
bool ChooseDatabase();
