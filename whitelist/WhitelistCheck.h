#pragma once

#include <QDate>
#include <QString>
#include <variant>

class WhitelistIndex;

// What the white list says of a NIP and an account on the list's day.
enum class WhitelistStatus { Active, Exempt, Virtual, NotListed };

struct WhitelistAnswer
{
    WhitelistStatus status;
    QDate listDate;
};

enum class WhitelistFault { NoList, OtherDay, BadNip, BadAccount, Unreadable };

struct WhitelistError
{
    WhitelistFault fault;
    QString message; // Polish, for the user
    QDate listDate;  // the day of the list read, when there is one
};

using WhitelistResult = std::variant<WhitelistAnswer, WhitelistError>;

// Checks the pair against the list whose index lies in the directory (see
// WhitelistPlace.h), for a payment ordered on `day`. A list answers only for its own
// day: any other day is the fault OtherDay, naming the list's day.
//
// The NIP and the account are digits, separators (blanks, hyphens) allowed; the NIP
// must be valid as the Ministry defines it (ten digits, the first not 0, the second
// and third not both 0, the mod-11 check digit, a remainder of 10 never valid), the
// account a valid NRB (26 digits, the IBAN check for Poland).
//
// The entry looked up is SHA-512 over date + NIP + account (44 characters), as many
// rounds as the list names; found among the active or the exempt taxpayers, that is
// the answer. Otherwise every mask whose digits equal the account's at the same
// places (the bank's number, digits 3 to 10) makes the masked account: each "X" of
// the mask stays the letter X, every other place is the account's digit; the masked
// account found either way is a virtual account of the taxpayer. The day is part of
// every entry, which is why a list cannot answer for any other day.
WhitelistResult CheckOnWhitelist(const QString &indexDirectory, const QString &nip, const QString &account,
                                 const QDate &day);
WhitelistResult CheckOnWhitelist(WhitelistIndex &index, const QString &nip, const QString &account, const QDate &day);

// "czynny podatnik VAT", "zwolniony podatnik VAT", "rachunek wirtualny", "brak na wykazie".
QString WhitelistStatusText(WhitelistStatus status);
