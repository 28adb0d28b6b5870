#pragma once

// The shared free functions: identifier checks, amount and text formatting,
// form names, and the printer margin store. None of them raises on any input
// (the margin store excepted, see Margins.h).

#include "Margins.h"
#include "Money.h"

#include <QDate>
#include <QString>

// --- identifiers --------------------------------------------------------------
QString StripSeparators(const QString &text);
QString DigitsOnly(const QString &text);
bool IsBlankIdentifier(const QString &text);
bool IsValidAccount(const QString &text);
// A payer's own ZUS contribution account (NRS), which since 2018 takes all of its
// contributions; its last ten digits are normally the payer's NIP.
bool IsZusContributionAccount(const QString &account);
bool NipChecksumOk(const QString &digits);
bool IsValidNip(const QString &text);
// Ten bare digits as the Ministry defines a NIP: its office code and check digit.
bool NipDigitsOk(const QString &digits);
bool RegonChecksumOk(const QString &digits);
bool IsValidRegon(const QString &text);
bool PeselChecksumOk(const QString &digits);
bool IsValidPesel(const QString &text);

// --- amounts and texts --------------------------------------------------------
QString AmountForBoxes(Money amount);
QString AmountInWords(Money amount);
QString DigitAbbreviation(const QString &digit);
QString FormatAccount(const QString &text);
// An account as any mask or grouped field shows it: FormatAccount of its digits alone, so
// that the separators a number may be kept with shift no digit out of its group.
QString GroupedAccount(const QString &account);
QString FormatLengthCounter(int used, int maximum);
QString SqlDateLiteral(const QDate &date);
Money RoundMoney(int mode, Money amount);

enum class PrintForm : int { F101 = 0, F110 = 1, F130 = 2, K117 = 3, K471 = 4 };
QString FormName(PrintForm form);
QString FormCaption(PrintForm form);

// Bounds of the interest rate tables.
QDate TaxInterestFirstDay();
QDate StatutoryInterestFirstDay();
