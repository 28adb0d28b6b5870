#pragma once

#include <array>

// The upper halves of the single-byte code pages that Qt without ICU cannot encode;
// the lower halves are ASCII.
extern const std::array<char16_t, 128> Iso8859_2High;
extern const std::array<char16_t, 128> Cp852High;
