#pragma once

#include "ListDigest.h"

#include <QtGlobal>

// The program's own index of one white list, written once by an import and then only
// read, a few records at a time, so that a check never loads it whole:
//
//   magic        8 bytes   "ZWYKAZ01"
//   date         8 bytes   the list's day, "YYYYMMDD"
//   rounds       4 bytes   SHA-512 rounds of every entry
//   masks        4 bytes   number of masks
//   active       8 bytes   number of active taxpayers' entries
//   exempt       8 bytes   number of exempt taxpayers' entries
//   mask texts   masks x 26 bytes
//   prefix table (PrefixCount + 1) x 8 bytes: the number of the first record whose
//                digest begins with each two-byte prefix, then the number of records
//   records      65 bytes each, the digest and its ListKind, sorted by digest
//
// Numbers are little-endian.
namespace IndexLayout {

constexpr char Magic[] = "ZWYKAZ01";
constexpr qint64 HeaderSize = 8 + 8 + 4 + 4 + 8 + 8;
constexpr int PrefixCount = 1 << 16;
constexpr qint64 TableSize = (qint64(PrefixCount) + 1) * 8;

struct Record
{
    ListDigest digest;
    char kind;
};
static_assert(sizeof(Record) == 65, "records are stored as they lie in memory");

inline int prefixOf(const ListDigest &digest)
{
    return digest[0] << 8 | digest[1];
}

}
