#include "TaxMicroAccount.h"

#include "Globals.h"
#include "TextChars.h"

namespace {

// NRB check digits of a 24-digit BBAN: 98 minus the remainder of BBAN + "PL" (2521) + "00"
// modulo 97, so that the account passes the check every account field makes.
QString withCheckDigits(const QString &bban)
{
    int remainder = 0;
    for (const QChar c : bban + QStringLiteral("252100"))
        remainder = (remainder * 10 + TextChars::digitValue(c)) % 97;
    return QStringLiteral("%1").arg(98 - remainder, 2, 10, QLatin1Char('0')) + bban;
}

const QString Prefix = QStringLiteral("10100071222");

}

QString TaxMicroAccount(QChar identifierType, const QString &identifier)
{
    const QString stripped = StripSeparators(TextChars::trimControls(identifier));
    if (stripped.isEmpty())
        return QString();
    if (identifierType == u'N') {
        // The NIP check wants the thirteen characters of the usual form; separators
        // anywhere else are as good here.
        if (stripped.size() != 10 || DigitsOnly(stripped) != stripped)
            return QString();
        const QString usual = stripped.left(3) + u'-' + stripped.mid(3, 3) + u'-' + stripped.mid(6, 2) + u'-' +
                              stripped.mid(8);
        return IsValidNip(usual) ? withCheckDigits(Prefix + u'2' + stripped + QStringLiteral("00")) : QString();
    }
    if (identifierType == u'P')
        return IsValidPesel(stripped) ? withCheckDigits(Prefix + u'1' + stripped + u'0') : QString();
    return QString();
}
