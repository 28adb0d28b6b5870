#pragma once

// Start-up's step before the first connection: when no configuration names a
// database (no Zanderol.ini anywhere, or one without a name in it), the first-start
// window lets the user choose one and names it in the user's configuration, which
// the connection then reads. A cancelled window leaves the name empty, and the
// connection fails as it would have without the window.
//
// A run without anyone at the screen (the check of the installed package) names the
// choice's control in the environment variable ZANDEROL_FIRST_START ("NowaRb" or
// "DemoRb"): the window then makes that choice at once instead of waiting for a user.
void ChooseDatabaseOnFirstStart();
