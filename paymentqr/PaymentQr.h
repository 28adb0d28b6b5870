#pragma once

#include "Money.h"
#include "Typy.h"

#include <QImage>
#include <QString>

// The two-dimensional payment code that Polish banking apps scan: the fields
// NIP|PL|account|amount|name|title||| of the Polish bank association's recommendation.
struct PaymentQrOrder
{
    QString RecipientNip;  // may be empty (a person)
    QString RecipientAccount;
    QString RecipientName;
    QString Title;
    Money Amount;
};

// The title of the code: both title lines of an order, as one.
QString PaymentQrTitle(const QString &line1, const QString &line2);

// The code's fields of a stored ordinary transfer.
PaymentQrOrder PaymentQrOrderOf(const TZwykly &record);

// The largest amount the code's six digits of grosze hold: 9 999,99 zł.
constexpr Money PaymentQrMaximum = Money::fromGrosze(999999);

// The text of the code. An amount above the maximum leaves the amount field empty, so that
// the app asks for it instead of paying a wrong one; names and titles are cut to 20 and 32
// characters, "|" and control characters become spaces (see README).
QString PaymentQrPayload(const PaymentQrOrder &order);

// The payload as a QR code (UTF-8 bytes, error correction L) with the quiet zone of four
// modules, each module size pixels square, black on white; a null image when it cannot be made.
QImage PaymentQrImage(const QString &payload, int moduleSize);
