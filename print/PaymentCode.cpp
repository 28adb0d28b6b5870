#include "PaymentCode.h"

#include "Globals.h"
#include "PaymentQr.h"
#include "TPrn.h"

namespace {

constexpr int CaptionPoints = 8;

}

bool HasPaymentCode(const TZwykly &record)
{
    // The account check lets a blank account pass as "not given"; a code needs all 26 digits.
    return record.IsTransfer && !IsBlankIdentifier(record.RecipientAccount) && IsValidAccount(record.RecipientAccount);
}

void DrawPaymentCode(TPrn &prn, const QPoint &corner, const TZwykly &record)
{
    const PaymentQrOrder order = PaymentQrOrderOf(record);
    const QString payload = PaymentQrPayload(order);
    // Whole device pixels per module: a code scaled by a fraction blurs its edges.
    const QImage unit = PaymentQrImage(payload, 1);
    if (unit.isNull())
        return;
    const int side = prn.MmToX(PaymentCodeWidthMm);
    const int moduleSize = std::max(1, side / unit.width());
    const QImage code = PaymentQrImage(payload, moduleSize);
    prn.ImageIn(QRect(corner, code.size()), code);

    QStringList caption{QStringLiteral("Kod QR do zapłaty"), QStringLiteral("w aplikacji banku")};
    if (order.Amount > PaymentQrMaximum)
        caption << QStringLiteral("(kwotę wpisz w aplikacji)");
    prn.SetFontSize(CaptionPoints);
    prn.TextLinesAt(corner.x(), corner.y() + code.height() + prn.MmToY(1), caption);
}
