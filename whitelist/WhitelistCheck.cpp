#include "WhitelistCheck.h"

#include "Globals.h"
#include "WhitelistIndex.h"
#include "WhitelistPlace.h"

#include <QFileInfo>

namespace {

// The digits of a number typed with blanks or hyphens; empty when anything else is in it.
QByteArray digitsOf(const QString &text)
{
    QByteArray digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += char(c.unicode());
        else if (c != u' ' && c != u'-')
            return {};
    }
    return digits;
}

bool maskFits(const char *mask, const QByteArray &account)
{
    for (int i = 0; i < MaskLength; ++i)
        if (mask[i] >= '0' && mask[i] <= '9' && mask[i] != account[i])
            return false;
    return true;
}

QByteArray masked(const char *mask, const QByteArray &account)
{
    QByteArray out = account;
    for (int i = 0; i < MaskLength; ++i)
        if (mask[i] == 'X')
            out[i] = 'X';
    return out;
}

WhitelistError unreadable(const WhitelistIndex &index)
{
    return {WhitelistFault::Unreadable,
            QStringLiteral("Indeksu wykazu nie można odczytać; wczytaj plik płaski ponownie."),
            index.summary().date};
}

}

WhitelistResult CheckOnWhitelist(const QString &indexDirectory, const QString &nip, const QString &account,
                                 const QDate &day)
{
    const QString path = WhitelistIndexPath(indexDirectory);
    if (!QFileInfo::exists(path))
        return WhitelistError{WhitelistFault::NoList, QStringLiteral("Nie wczytano jeszcze wykazu podatników VAT."), {}};
    WhitelistIndex index;
    if (const QString failure = index.open(path); !failure.isEmpty())
        return WhitelistError{WhitelistFault::Unreadable, failure, {}};
    return CheckOnWhitelist(index, nip, account, day);
}

WhitelistResult CheckOnWhitelist(WhitelistIndex &index, const QString &nip, const QString &account, const QDate &day)
{
    const QDate listDate = index.summary().date;
    const QByteArray nipDigits = digitsOf(nip);
    if (!NipDigitsOk(QString::fromLatin1(nipDigits)))
        return WhitelistError{WhitelistFault::BadNip, QStringLiteral("„%1” nie jest poprawnym numerem NIP.").arg(nip),
                              listDate};
    const QByteArray accountDigits = digitsOf(account);
    if (accountDigits.size() != 26 || !IsValidAccount(QString::fromLatin1(accountDigits)))
        return WhitelistError{WhitelistFault::BadAccount,
                              QStringLiteral("„%1” nie jest poprawnym numerem rachunku (NRB).").arg(account), listDate};
    if (day != listDate)
        return WhitelistError{WhitelistFault::OtherDay,
                              QStringLiteral("Wczytany wykaz jest z dnia %1 i odpowiada tylko za ten dzień, nie za %2.")
                                  .arg(listDate.toString(QStringLiteral("dd.MM.yyyy")),
                                       day.toString(QStringLiteral("dd.MM.yyyy"))),
                              listDate};
    const QByteArray prefix = listDate.toString(QStringLiteral("yyyyMMdd")).toLatin1() + nipDigits;
    const int rounds = index.summary().rounds;
    switch (index.find(DigestOfEntry(prefix + accountDigits, rounds))) {
    case WhitelistIndex::Found::Active:
        return WhitelistAnswer{WhitelistStatus::Active, listDate};
    case WhitelistIndex::Found::Exempt:
        return WhitelistAnswer{WhitelistStatus::Exempt, listDate};
    case WhitelistIndex::Found::Unreadable:
        return unreadable(index);
    case WhitelistIndex::Found::No:
        break;
    }
    const QByteArray &masks = index.masks();
    for (qsizetype at = 0; at < masks.size(); at += MaskLength) {
        const char *mask = masks.constData() + at;
        if (!maskFits(mask, accountDigits))
            continue;
        switch (index.find(DigestOfEntry(prefix + masked(mask, accountDigits), rounds))) {
        case WhitelistIndex::Found::Active:
        case WhitelistIndex::Found::Exempt:
            return WhitelistAnswer{WhitelistStatus::Virtual, listDate};
        case WhitelistIndex::Found::Unreadable:
            return unreadable(index);
        case WhitelistIndex::Found::No:
            break;
        }
    }
    return WhitelistAnswer{WhitelistStatus::NotListed, listDate};
}

QString WhitelistStatusText(WhitelistStatus status)
{
    switch (status) {
    case WhitelistStatus::Active:
        return QStringLiteral("czynny podatnik VAT");
    case WhitelistStatus::Exempt:
        return QStringLiteral("zwolniony podatnik VAT");
    case WhitelistStatus::Virtual:
        return QStringLiteral("rachunek wirtualny");
    case WhitelistStatus::NotListed:
        break;
    }
    return QStringLiteral("brak na wykazie");
}
