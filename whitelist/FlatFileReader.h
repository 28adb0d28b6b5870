#pragma once

#include "ListDigest.h"

#include <QDate>
#include <QString>
#include <atomic>
#include <variant>

// The Ministry of Finance's "flat file" of the VAT white list (wykaz podatników VAT),
// as its published description and the program's own reading of it define it:
//
//   { "naglowek": { "dataGenerowaniaDanych": "YYYYMMDD", "liczbaTransformacji": "5000", ... },
//     "skrotyPodatnikowCzynnych":    [ 128 hexadecimal characters, ... ],
//     "skrotyPodatnikowZwolnionych": [ ... ],
//     "maski": [ 26 characters of digits, "X" and "Y", ... ] }
//
// Keys may come in any order; keys the program does not know (the header's "schemat")
// are passed over, so that a later edition of the file with more in it still reads.
// All four known parts must be there and of their type: a file without one is not a
// complete list. The date must be a real day; the number of rounds a whole number
// from 1 to MaxRounds (the Ministry uses 5000; the bound keeps a damaged header from
// making every check take minutes). Digests are accepted in either letter case.

enum class ListKind : char { Active = 'C', Exempt = 'Z' };

constexpr int MaxRounds = 100000;
constexpr int MaskLength = 26;

// Receives the list's entries as they are read. A false return stops the reading;
// failure() then says why, in Polish.
class FlatFileSink
{
public:
    virtual ~FlatFileSink() = default;
    virtual bool addDigest(ListKind kind, const ListDigest &digest) = 0;
    virtual bool addMask(const char *mask) = 0; // MaskLength characters
    virtual QString failure() const = 0;
};

struct FlatFileSummary
{
    QDate date;
    int rounds = 0;
    qint64 active = 0;
    qint64 exempt = 0;
    qint64 masks = 0;
};

// Shared with whoever watches a reading from another thread.
struct ReadProgress
{
    std::atomic<qint64> fileBytesRead{0};
    std::atomic<bool> cancelled{false};
};

// The message of a reading stopped through ReadProgress::cancelled.
QString CancelledMessage();

// Reads the whole file, .7z or .json, handing every entry to the sink. The summary
// only when the file was read to its end and is a complete list; otherwise why not,
// in Polish.
std::variant<FlatFileSummary, QString> ReadFlatFile(const QString &path, FlatFileSink &sink,
                                                    ReadProgress *progress = nullptr);
