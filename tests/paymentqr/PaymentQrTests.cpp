#include "PaymentQr.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("72 1140 2004 0000 3602 5482 6891");

// What zbarimg reads from the picture, as the phone's camera would.
QString decoded(const QImage &image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    EXPECT_TRUE(image.save(file));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    zbar.waitForFinished(60000);
    EXPECT_EQ(zbar.exitCode(), 0) << zbar.readAllStandardError().toStdString();
    return QString::fromUtf8(zbar.readAllStandardOutput()).chopped(1);  // its line's end
}

}

TEST(PaymentQr, PayloadFields)
{
    const struct {
        const char *what;
        PaymentQrOrder order;
        const char *payload;
    } rows[] = {
        {"a firm with its NIP",
         {.RecipientNip = QStringLiteral("526-104-08-28"), .RecipientAccount = Account,
          .RecipientName = QStringLiteral("Hurtownia"), .Title = QStringLiteral("FV 17/11"),
          .Amount = Money::fromGrosze(123450)},
         "5261040828|PL|72114020040000360254826891|123450|Hurtownia|FV 17/11|||"},
        {"a person without a NIP, one grosz",
         {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("Jan"), .Title = QStringLiteral("Zwrot"),
          .Amount = Money::fromGrosze(1)},
         "|PL|72114020040000360254826891|000001|Jan|Zwrot|||"},
        {"the largest amount six digits hold",
         {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("A"), .Title = QStringLiteral("B"),
          .Amount = Money::fromGrosze(999999)},
         "|PL|72114020040000360254826891|999999|A|B|||"},
        {"one grosz more leaves the amount to the app",
         {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("A"), .Title = QStringLiteral("B"),
          .Amount = Money::fromGrosze(1000000)},
         "|PL|72114020040000360254826891||A|B|||"},
        {"name and title cut to 20 and 32 characters, Polish letters kept",
         {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("Spółdzielnia Mieszkaniowa Zorza"),
          .Title = QStringLiteral("Czynsz za grudzień 2026 i zaległość za listopad"), .Amount = Money::fromGrosze(35618)},
         "|PL|72114020040000360254826891|035618|Spółdzielnia Mieszka|Czynsz za grudzień 2026 i zaległ|||"},
        {"bars, tabs and runs of spaces become one space",
         {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("A|B\tC   D"),
          .Title = QStringLiteral("  x||y\n"), .Amount = Money::fromGrosze(100)},
         "|PL|72114020040000360254826891|000100|A B C D|x y|||"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PaymentQrPayload(row.order).toStdString(), row.payload) << row.what;
}

TEST(PaymentQr, TheRenderedCodeReadsBackAsItsPayload)
{
    const PaymentQrOrder orders[] = {
        {.RecipientNip = QStringLiteral("5261040828"), .RecipientAccount = Account,
         .RecipientName = QStringLiteral("Hurtownia"), .Title = QStringLiteral("Faktura 1"),
         .Amount = Money::fromGrosze(123450)},
        {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("Hurtownia Żubr"),
         .Title = QStringLiteral("Zapłata za fakturę, Łódź"), .Amount = Money::fromGrosze(35618)},
        {.RecipientNip = QString(), .RecipientAccount = Account, .RecipientName = QStringLiteral("Wodociągi Miejskie"),
         .Title = QStringLiteral("Faktura 2026/12/001"), .Amount = Money::fromGrosze(123456750)},
    };
    for (const PaymentQrOrder &order : orders) {
        const QString payload = PaymentQrPayload(order);
        EXPECT_LE(payload.size(), 160);
        const QImage image = PaymentQrImage(payload, 4);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(decoded(image), payload);
    }
}
