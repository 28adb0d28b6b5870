#pragma once

// Through a Firebird server on loopback (the tests' own, scripts/test-server.sh, whose
// variables name it): the contractors' list and the search over the ordinary orders,
// each against the bare OO API fetch of the same rows through that server. Prints
// figures only.
int RunServerBench(int orders);

// Whether the environment names a server for the bench.
bool ServerGiven();
