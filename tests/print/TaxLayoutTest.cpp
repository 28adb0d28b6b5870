#include "FormReader.h"
#include "Layouts.h"
#include "Samples.h"
#include "SettingsSandbox.h"

#include <gtest/gtest.h>

namespace {

const QPoint F130Origin(1417, 1984);
const QPoint F130Second(0, 2492);
// MmToX(5), MmToY(4); the copies 103.5 mm apart.
const QPoint K471Origin(118, 94);
const QPoint K471Second(0, 2445);

class TaxLayoutTest : public ::testing::Test
{
protected:
    RecordedJob print(PageReport (*layout)(PrintTarget &, const TPodatkowy &, bool, bool), const TPodatkowy &r,
                      bool upperCase = false, bool printDate = true)
    {
        RecordingTarget target;
        layout(target, r, upperCase, printDate);
        EXPECT_EQ(target.jobs.size(), 1);
        return target.jobs.value(0);
    }

    SettingsSandbox sandbox;
};

}

TEST_F(TaxLayoutTest, F130WritesTheTaxBlockIntoBothCopies)
{
    const RecordedJob job = print(PrintF130, Samples::tax());
    EXPECT_EQ(job.title, QStringLiteral("Przelew PODATKI"));
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    const FormReader page(job, F130Origin);
    for (const QPoint copy : {QPoint(), F130Second}) {
        SCOPED_TRACE(copy.y());
        EXPECT_EQ(page.plain(9.5f, 5.0f, copy), QStringLiteral("Urząd Skarbowy Kraków-Śródmieście"));
        EXPECT_EQ(page.boxes(9.5f, 13.5f, copy), QStringLiteral("ul. Wrocławska 32"));
        EXPECT_EQ(page.boxes(9.5f, 22.0f, copy), Samples::accountDigits());
        EXPECT_EQ(page.boxes(85.0f, 30.5f, copy), QStringLiteral("1234,56-----"));
        EXPECT_EQ(page.boxes(9.5f, 39.0f, copy), Samples::senderAccount());
        EXPECT_EQ(page.boxes(9.5f, 47.5f, copy), QStringLiteral("Jan Kowalski"));
        EXPECT_EQ(page.boxes(9.5f, 56.0f, copy), QStringLiteral("Kraków"));
        EXPECT_EQ(page.boxes(9.5f, 64.5f, copy), QStringLiteral("123-456-78-19"));
        EXPECT_EQ(page.boxes(84.0f, 64.5f, copy), QStringLiteral("n"));
        EXPECT_EQ(page.boxes(104.0f, 64.5f, copy), QStringLiteral("04M03"));
        EXPECT_EQ(page.boxes(9.5f, 73.0f, copy), QStringLiteral("vat-7"));
        EXPECT_EQ(page.boxes(44.5f, 73.0f, copy), QStringLiteral("zaległość 2003"));
        EXPECT_EQ(page.plain(9.5f, 81.5f, copy), QStringLiteral("25-04-2004"));
    }
}

TEST_F(TaxLayoutTest, LimitsOfTheTaxFields)
{
    TPodatkowy r = Samples::tax();
    r.PayerIdentifier = QStringLiteral("AB1234567890123");
    r.FormSymbol = QStringLiteral("PIT-36LS");
    r.ObligationId = QString(21, u'x');
    r.Period = QStringLiteral("\t04R  \r\n");
    FormReader page(print(PrintF130, r), F130Origin);
    EXPECT_EQ(page.plain(9.5f, 64.5f), QStringLiteral("AB1234567890123"));
    EXPECT_EQ(page.plain(9.5f, 73.0f), QStringLiteral("PIT-36LS"));
    EXPECT_EQ(page.plain(44.5f, 73.0f), QString(21, u'x'));
    EXPECT_EQ(page.boxes(104.0f, 64.5f), QStringLiteral("04R"));

    r.PayerIdentifier = QString(14, u'9');
    r.FormSymbol = QStringLiteral("PIT-36L");
    r.ObligationId = QString(20, u'x');
    const RecordedJob boxed = print(PrintF130, r);
    FormReader inBoxes(boxed, F130Origin);
    EXPECT_EQ(inBoxes.boxes(9.5f, 64.5f), QString(14, u'9'));
    // The obligation's first box follows the symbol's seventh at once.
    EXPECT_EQ(inBoxes.boxes(9.5f, 73.0f).left(8), QStringLiteral("PIT-36Lx"));
    EXPECT_EQ(inBoxes.boxes(44.5f, 73.0f), QString(20, u'x'));
}

TEST_F(TaxLayoutTest, IdentifierTypeIsItsFirstCharacterInTheChosenCase)
{
    TPodatkowy r = Samples::tax();
    r.PayerIdentifierType = QStringLiteral("nip");
    EXPECT_EQ(FormReader(print(PrintF130, r, true), F130Origin).boxes(84.0f, 64.5f), QStringLiteral("N"));
    EXPECT_EQ(FormReader(print(PrintF130, r, false), F130Origin).boxes(84.0f, 64.5f), QStringLiteral("n"));
    r.PayerIdentifierType.clear();
    EXPECT_EQ(FormReader(print(PrintF130, r), F130Origin).countAt(84.0f, 64.5f), 0);
}

TEST_F(TaxLayoutTest, UpperCaseOptionCoversTheWholeTaxBlock)
{
    const FormReader page(print(PrintF130, Samples::tax(), true), F130Origin);
    EXPECT_EQ(page.plain(9.5f, 5.0f), QStringLiteral("URZĄD SKARBOWY KRAKÓW-ŚRÓDMIEŚCIE"));
    EXPECT_EQ(page.boxes(9.5f, 73.0f), QStringLiteral("VAT-7"));
    EXPECT_EQ(page.boxes(44.5f, 73.0f, F130Second), QStringLiteral("ZALEGŁOŚĆ 2003"));
}

TEST_F(TaxLayoutTest, CashPaymentAndNoDate)
{
    TPodatkowy r = Samples::tax();
    r.IsTransfer = false;
    const FormReader page(print(PrintF130, r, false, false), F130Origin);
    EXPECT_EQ(page.boxes(9.5f, 39.0f), QStringLiteral("JED*DWA*TRZ*CZT*56/100"));
    EXPECT_EQ(page.countAt(9.5f, 81.5f), 0);
}

TEST_F(TaxLayoutTest, K471UsesItsOwnOriginStepAndNarrowerBoxes)
{
    const RecordedJob job = print(PrintK471, Samples::tax());
    EXPECT_EQ(job.title, QStringLiteral("Przelew PODATKI"));
    const FormReader page(job, K471Origin);
    // The second box starts 114 units after the first, not 118.
    const QPoint first = page.point(9.5f, 10.5f);
    ASSERT_EQ(job.at(first.x(), first.y()).size(), 1);
    ASSERT_EQ(job.at(first.x() + 114, first.y()).size(), 1);
    EXPECT_EQ(job.at(first.x() + 114, first.y()).first().text, QStringLiteral("l"));

    for (const QPoint copy : {QPoint(), K471Second}) {
        SCOPED_TRACE(copy.y());
        EXPECT_EQ(page.boxes(9.5f, 10.5f, copy, BoxPitch::Mm63by13), QStringLiteral("ul. Wrocławska 32"));
        EXPECT_EQ(page.boxes(9.5f, 19.0f, copy, BoxPitch::Mm63by13), Samples::accountDigits());
        EXPECT_EQ(page.boxes(82.5f, 27.5f, copy, BoxPitch::Mm63by13), QStringLiteral("1234,56-----"));
        EXPECT_EQ(page.boxes(9.5f, 61.5f, copy, BoxPitch::Mm63by13), QStringLiteral("123-456-78-19"));
        EXPECT_EQ(page.boxes(82.5f, 61.5f, copy), QStringLiteral("n"));
        EXPECT_EQ(page.boxes(101.5f, 61.5f, copy, BoxPitch::Mm63by13), QStringLiteral("04M03"));
        EXPECT_EQ(page.boxes(43.5f, 70.0f, copy, BoxPitch::Mm63by13), QStringLiteral("zaległość 2003"));
        EXPECT_EQ(page.plain(9.5f, 78.5f, copy), QStringLiteral("25-04-2004"));
    }
}
