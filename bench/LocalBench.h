#pragma once

// The search dialog's scan over a large ordinary list against the bare engine fetch
// of the same rows and the list's own reading, the memory a read row holds, and the
// opening of the list, on a database file opened in-process. Prints figures only.
int RunLocalBench(int orders);
