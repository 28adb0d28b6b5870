#pragma once

#include <optional>

// How the C library's iconv reads one byte of a code page ("CP1250", "CP852",
// "ISO-8859-2"): a reader written apart from the program's own tables, against which
// each of their entries is checked. None where the code page has no character.
std::optional<char16_t> LibcCharacter(const char *codePage, unsigned char byte);
