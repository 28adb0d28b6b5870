#include "FormReader.h"
#include "Layouts.h"
#include "Samples.h"
#include "SettingsSandbox.h"

#include <gtest/gtest.h>

namespace {

// At 600 dpi, no margins and no printing offset.
const QPoint F110Origin(1417, 1984);
const QPoint F110Second(0, 2492);

class OrdinaryLayoutTest : public ::testing::Test
{
protected:
    RecordedJob printF110(const TZwykly &record, bool upperCase = false, bool printDate = true)
    {
        RecordingTarget target;
        PrintF110(target, record, upperCase, printDate);
        EXPECT_EQ(target.jobs.size(), 1);
        return target.jobs.value(0);
    }

    SettingsSandbox sandbox;
};

}

TEST_F(OrdinaryLayoutTest, F110PutsEveryItemIntoBothCopies)
{
    const TZwykly r = Samples::ordinary();
    const RecordedJob job = printF110(r);
    EXPECT_EQ(job.title, QStringLiteral("Przelew zwykły"));
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    EXPECT_TRUE(job.ended);
    // The first character of the first item, computed by hand.
    EXPECT_EQ(job.texts.first().x, 1641);
    EXPECT_EQ(job.texts.first().y, 2090);
    EXPECT_EQ(job.texts.first().points, 10);

    const FormReader page(job, F110Origin);
    for (const QPoint copy : {QPoint(), F110Second}) {
        SCOPED_TRACE(copy.y());
        EXPECT_EQ(page.boxes(9.5f, 4.5f, copy), Samples::name27());
        EXPECT_EQ(page.plain(9.5f, 13.0f, copy), Samples::name28());
        EXPECT_EQ(page.boxes(9.5f, 21.5f, copy), Samples::accountDigits());
        EXPECT_EQ(page.boxes(85.0f, 30.0f, copy), QStringLiteral("1234,50-----"));
        EXPECT_EQ(page.boxes(9.5f, 38.5f, copy), Samples::senderAccount());
        EXPECT_EQ(page.boxes(9.5f, 47.0f, copy), QStringLiteral("Jan Kowalski"));
        EXPECT_EQ(page.boxes(9.5f, 55.5f, copy), QStringLiteral("Kraków, ul. Źródlana 1"));
        EXPECT_EQ(page.boxes(9.5f, 64.0f, copy), QStringLiteral("Faktura 12/2004"));
        EXPECT_EQ(page.boxes(9.5f, 72.5f, copy), QStringLiteral("zapłata za żółte róże"));
        EXPECT_EQ(page.plain(9.5f, 81.0f, copy), QStringLiteral("05-03-2004"));
    }
}

TEST_F(OrdinaryLayoutTest, EachItemFillsEveryCopyBeforeTheNextItem)
{
    const RecordedJob job = printF110(Samples::ordinary());
    // 27 boxes of the first name in the top copy, then in the bottom one, then the 28-character run twice.
    ASSERT_GT(job.texts.size(), 56);
    for (int i = 0; i < 27; ++i) {
        EXPECT_EQ(job.texts[i].y, 2090);
        EXPECT_EQ(job.texts[27 + i].y, 2090 + 2492);
    }
    EXPECT_EQ(job.texts[54].text, Samples::name28());
    EXPECT_EQ(job.texts[55].text, Samples::name28());
    EXPECT_LT(job.texts[54].y, job.texts[55].y);
}

TEST_F(OrdinaryLayoutTest, CashPaymentWritesTheAmountInWords)
{
    TZwykly r = Samples::ordinary();
    r.IsTransfer = false;
    r.Amount = Money::fromGrosze(12345678);
    const RecordedJob big = printF110(r);
    EXPECT_EQ(FormReader(big, F110Origin).plain(9.5f, 38.5f), QStringLiteral("JED*DWA*TRZ*CZT*PIĘ*SZE*78/100"));

    r.Amount = Money::fromGrosze(123456);
    const RecordedJob small = printF110(r);
    EXPECT_EQ(FormReader(small, F110Origin).boxes(9.5f, 38.5f, F110Second), QStringLiteral("JED*DWA*TRZ*CZT*56/100"));
}

TEST_F(OrdinaryLayoutTest, TextsTooLongForTheirBoxesBecomePlainRuns)
{
    TZwykly r = Samples::ordinary();
    r.Amount = Money::fromGrosze(123456789012);
    r.RecipientAccount = Samples::accountDigits() + QStringLiteral("9");
    r.SenderAccount = QStringLiteral("PL 98 1050 0002 1000 0000 1234 5678");
    const FormReader page(printF110(r), F110Origin);
    EXPECT_EQ(page.plain(85.0f, 30.0f), QStringLiteral("1234567890,12"));
    EXPECT_EQ(page.plain(9.5f, 21.5f), Samples::accountDigits() + QStringLiteral("9"));
    // Letters and separators are dropped before counting: 26 digits fill the boxes.
    EXPECT_EQ(page.boxes(9.5f, 38.5f), Samples::senderAccount());
}

TEST_F(OrdinaryLayoutTest, UpperCaseOptionCapitalisesPolishLettersButNotTheDate)
{
    const FormReader upper(printF110(Samples::ordinary(), true), F110Origin);
    EXPECT_EQ(upper.boxes(9.5f, 4.5f), QStringLiteral("ZAKŁAD USŁUG ŁĄCZNOŚCIOWYCH"));
    EXPECT_EQ(upper.plain(9.5f, 13.0f, F110Second), QStringLiteral("UL. DŁUGA 5, 00-950 WARSZAWA"));
    EXPECT_EQ(upper.boxes(9.5f, 72.5f), QStringLiteral("ZAPŁATA ZA ŻÓŁTE RÓŻE"));
    EXPECT_EQ(upper.plain(9.5f, 81.0f), QStringLiteral("05-03-2004"));
}

TEST_F(OrdinaryLayoutTest, TheDateNeedsBothTheOptionAndAStoredDate)
{
    TZwykly r = Samples::ordinary();
    EXPECT_EQ(FormReader(printF110(r, false, false), F110Origin).countAt(9.5f, 81.0f), 0);
    r.TransferDate = DateValue::zeroDate();
    EXPECT_EQ(FormReader(printF110(r, false, true), F110Origin).countAt(9.5f, 81.0f), 0);
    r.TransferDate = QDate(1899, 12, 29);
    EXPECT_EQ(FormReader(printF110(r, false, true), F110Origin).countAt(9.5f, 81.0f), 0);
}

TEST_F(OrdinaryLayoutTest, EmptyFieldsWriteNothing)
{
    TZwykly r;
    r.IsTransfer = true;
    const RecordedJob job = printF110(r, true, true);
    // Only the amount boxes remain: "0,00--------" in each copy.
    EXPECT_EQ(job.texts.size(), 24);
}

TEST_F(OrdinaryLayoutTest, K117FillsFourCopiesAndDatesOnlyTheLastOne)
{
    RecordingTarget target;
    PrintK117(target, Samples::ordinary(), false, true);
    ASSERT_EQ(target.jobs.size(), 1);
    const RecordedJob &job = target.jobs.first();
    EXPECT_EQ(job.orientation, QPageLayout::Landscape);
    EXPECT_EQ(job.title, QStringLiteral("Przelew zwykły"));

    const FormReader page(job, QPoint(0, 0));
    const QPoint right(3531, 0), down(0, 2492), both(3531, 2492);
    // Top left, top right, bottom left, bottom right.
    const QList<QPoint> copies{QPoint(), right, down, both};
    for (const QPoint copy : copies) {
        EXPECT_EQ(page.boxes(7.0f, 4.0f, copy), Samples::name27());
        EXPECT_EQ(page.boxes(82.0f, 29.5f, copy), QStringLiteral("1234,50-----"));
        EXPECT_EQ(page.boxes(7.0f, 72.0f, copy), QStringLiteral("zapłata za żółte róże"));
    }
    for (const QPoint copy : {QPoint(), right, down})
        EXPECT_EQ(page.countAt(7.0f, 80.5f, copy), 0);
    EXPECT_EQ(page.plain(7.0f, 80.5f, both), QStringLiteral("05-03-2004"));

    // The copies of an item come in the order of the sheet.
    EXPECT_EQ(job.texts[0].x, page.point(7.0f, 4.0f).x());
    EXPECT_EQ(job.texts[27].x, page.point(7.0f, 4.0f, right).x());
    EXPECT_EQ(job.texts[54].y, page.point(7.0f, 4.0f, down).y());
}
