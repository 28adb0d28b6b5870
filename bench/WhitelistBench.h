#pragma once

// Makes a flat file of the VAT white list with `hashes` entries in a temporary
// directory, imports it and prints the import's time against reading and parsing the
// same file alone, the import's peak memory and the time of one check, each against
// its goal. Prints figures only.
int RunWhitelistBench(long long hashes);

// The import measured in a process of its own, so that its peak memory is the
// import's alone: `zanderol-bench --whitelist-import FILE DIRECTORY` prints the
// import's milliseconds and its peak resident memory in kB.
constexpr char WhitelistImportChild[] = "--whitelist-import";
int RunWhitelistImportChild(const char *file, const char *directory);
