#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

// One entry of the white list: the binary form of a SHA-512 digest. The list carries
// each as 128 hexadecimal characters; the index keeps the 64 bytes they stand for.
using ListDigest = std::array<std::uint8_t, 64>;

// The digest the list holds for a text (date, NIP and account): SHA-512 applied
// `rounds` times, the first round over the text itself, every later round over the
// 128 lower-case hexadecimal characters of the round before.
ListDigest DigestOfEntry(const QByteArray &text, int rounds);

// 128 hexadecimal characters (either case) as a digest; nothing for any other text.
std::optional<ListDigest> DigestFromHex(const char *text, std::size_t length);
