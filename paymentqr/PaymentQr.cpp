#include "PaymentQr.h"

#include "Globals.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

namespace {

// Spaces for what would break the fields apart or is no text, runs of spaces as one.
QString plain(const QString &text, int maximum)
{
    QString kept;
    for (const QChar c : text) {
        const bool space = c == u'|' || c.category() == QChar::Other_Control || c.isSpace();
        if (space && (kept.isEmpty() || kept.endsWith(u' ')))
            continue;
        kept.append(space ? QChar(u' ') : c);
    }
    return kept.left(maximum).trimmed();
}

}

QString PaymentQrTitle(const QString &line1, const QString &line2)
{
    return (line1.trimmed() + u' ' + line2.trimmed()).trimmed();
}

PaymentQrOrder PaymentQrOrderOf(const TZwykly &record)
{
    return {.RecipientNip = record.RecipientNip,
            .RecipientAccount = record.RecipientAccountDigits(),
            .RecipientName = record.RecipientName1,
            .Title = PaymentQrTitle(record.Title1, record.Title2),
            .Amount = record.Amount};
}

QString PaymentQrPayload(const PaymentQrOrder &order)
{
    const QString amount = order.Amount.raw() >= 0 && order.Amount <= PaymentQrMaximum
                               ? QStringLiteral("%1").arg(order.Amount.grosze(), 6, 10, QLatin1Char('0'))
                               : QString();
    return QStringList{DigitsOnly(order.RecipientNip),
                       QStringLiteral("PL"),
                       DigitsOnly(order.RecipientAccount),
                       amount,
                       plain(order.RecipientName, 20),
                       plain(order.Title, 32),
                       QString(),
                       QString(),
                       QString()}
        .join(u'|');
}

QImage PaymentQrImage(const QString &payload, int moduleSize)
{
    const QByteArray bytes = payload.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char *>(bytes.constData()), 0,
                          QR_ECLEVEL_L),
        &QRcode_free);
    if (!code || moduleSize < 1)
        return QImage();
    constexpr int QuietZone = 4;
    const int side = (code->width + 2 * QuietZone) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + QuietZone) * moduleSize, (y + QuietZone) * moduleSize, moduleSize, moduleSize,
                                 Qt::black);
    return image;
}
