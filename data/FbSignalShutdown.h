#pragma once

// The Firebird client catches SIGINT and SIGTERM and closes every connection of the
// process. Without this the program would carry on with its windows open and no
// database behind them; with it the application quits as it would on its own close.
void QuitApplicationWhenFirebirdShutsDown();
