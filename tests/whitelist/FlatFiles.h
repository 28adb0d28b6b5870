#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Flat files of the tests' own making, in the Ministry's layout. Entries are hashed
// here with a plain loop of their own, so that the program's hashing is checked
// against an independent computation, not against itself.

// Valid NIPs and NRBs (and one mask) the tests' lists are made of.
namespace Sample {
inline const QString Nip = QStringLiteral("5260250274");
inline const QString OtherNip = QStringLiteral("7740001454");
inline const QString ActiveAccount = QStringLiteral("61109010140000071219812874");
inline const QString ExemptAccount = QStringLiteral("34102010260000000000000001");
// A virtual account of a bank whose mask hides digits 11 to 14.
inline const QString Mask = QStringLiteral("YY10501045XXXXYYYYYYYYYYYY");
inline const QString VirtualAccount = QStringLiteral("13105010450000123456789012");
inline const QString UnlistedVirtualAccount = QStringLiteral("49105010450000999999999999");
inline const QString UnlistedAccount = QStringLiteral("72114020040000360254826891");
inline const QString Day = QStringLiteral("20261211");
}

QString EntryHash(const QString &text, int rounds);

struct FlatFile
{
    QString day = Sample::Day;
    int rounds = 5000;
    QStringList active;
    QStringList exempt;
    QStringList masks;

    // The sample list: Nip with ActiveAccount active, ExemptAccount exempt, and the
    // virtual account behind Mask active.
    static FlatFile sample(int rounds = 5000);
    QByteArray json() const;
};

// Writes the bytes to a file; with a name ending in .7z, as a 7-Zip archive holding
// them as one entry, named after the day unless named here.
void WriteFlatFile(const QString &path, const QByteArray &json, const QString &entryName = Sample::Day + ".json");
