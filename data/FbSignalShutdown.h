#pragma once

// The Firebird client catches SIGINT and SIGTERM and, left alone, drops every
// attachment of the process before the program could commit. This keeps the client
// from shutting down on a signal and calls endRun instead (on the client's own
// thread: endRun must be safe to call from any thread), so that the program ends its
// run as it would on its own close, committing what was posted.
void RefuseFirebirdShutdownOnSignals(void (*endRun)());
