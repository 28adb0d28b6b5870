#include "LayoutRenderer.h"
#include "Layouts.h"
#include "RecordingTarget.h"
#include "Samples.h"
#include "SettingsSandbox.h"

#include <gtest/gtest.h>

namespace {

class PageFrameTest : public ::testing::Test
{
protected:
    RecordedJob printF110(RecordingTarget &target)
    {
        PrintF110(target, Samples::ordinary(), false, true);
        return target.jobs.value(0);
    }

    SettingsSandbox sandbox;
};

QList<QPoint> positions(const RecordedJob &job)
{
    QList<QPoint> all;
    for (const DrawnText &t : job.texts)
        all << QPoint(t.x, t.y);
    return all;
}

}

TEST_F(PageFrameTest, MarginsMoveEveryItemAndAreRoundedWithTheFormOffset)
{
    RecordingTarget plainTarget(QStringLiteral("HP"));
    const RecordedJob base = printF110(plainTarget);

    SaveMargins(QStringLiteral("HP"), QStringLiteral("F-110"), 2, -1);
    RecordingTarget shiftedTarget(QStringLiteral("HP"));
    const RecordedJob shifted = printF110(shiftedTarget);

    // MmToX(62) - MmToX(60) and MmToY(83) - MmToY(84): not MmToX(2) = 47 and MmToY(-1) = -24.
    const QPoint move(48, -23);
    const QList<QPoint> before = positions(base);
    const QList<QPoint> after = positions(shifted);
    ASSERT_EQ(before.size(), after.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        ASSERT_EQ(after[i], before[i] + move) << i;
}

TEST_F(PageFrameTest, MarginsOfOtherPrintersAndFormsDoNotApply)
{
    SaveMargins(QStringLiteral("Canon"), QStringLiteral("F-110"), 5, 5);
    SaveMargins(QStringLiteral("HP"), QStringLiteral("K-117"), 5, 5);
    RecordingTarget target(QStringLiteral("HP"));
    const RecordedJob job = printF110(target);
    EXPECT_EQ(job.texts.first().x, 1641);
    EXPECT_EQ(job.texts.first().y, 2090);
}

TEST_F(PageFrameTest, ThePrintingOffsetIsSubtracted)
{
    RecordingTarget target;
    target.printingOffset = QPoint(100, 50);
    const RecordedJob job = printF110(target);
    EXPECT_EQ(job.texts.first().x, 1541);
    EXPECT_EQ(job.texts.first().y, 2040);
}

TEST_F(PageFrameTest, PositionsFollowTheResolution)
{
    RecordingTarget target(QStringLiteral("Testowa"), 300, 300);
    const RecordedJob job = printF110(target);
    // MmToX(60) + MmToX(9.5) and MmToY(84) + MmToY(4.5) at 300 dpi; boxes 59 apart.
    EXPECT_EQ(job.texts[0].x, 709 + 112);
    EXPECT_EQ(job.texts[0].y, 992 + 53);
    EXPECT_EQ(job.texts[1].x, 709 + 112 + 59);
}

TEST_F(PageFrameTest, AnUnreadableMarginEntryStopsBeforeTheJobStarts)
{
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-110"), QStringLiteral("Lewy"), QStringLiteral("x"));
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-110"), QStringLiteral("Gora"), 0);
    RecordingTarget target(QStringLiteral("HP"));
    EXPECT_THROW(PrintF110(target, Samples::ordinary(), false, false), MarginsError);
    EXPECT_TRUE(target.jobs.isEmpty());
}

TEST_F(PageFrameTest, TheJobIsEndedWhenWritingFails)
{
    RecordingTarget target;
    FrameSpec frame = LayoutOf(PrintForm::F110).frame;
    EXPECT_THROW(RunPageFrame(target, frame, [](TPrn &, const CopyPlacement &) { throw PrintError("papier"); }),
                 PrintError);
    ASSERT_EQ(target.jobs.size(), 1);
    EXPECT_TRUE(target.jobs.first().ended);
}

TEST_F(PageFrameTest, APrinterRefusingThePageIsAnError)
{
    RecordingTarget target;
    target.failOnEnd = true;
    EXPECT_THROW(PrintF110(target, Samples::ordinary(), false, false), PrintError);
    EXPECT_TRUE(target.jobs.first().ended);
}

TEST_F(PageFrameTest, ItemsBeyondThePrintableAreaAreMeasuredInMillimetres)
{
    RecordingTarget inside;
    EXPECT_EQ(PrintF110(inside, Samples::ordinary(), false, true).cutOffMm, 0);

    // F-110 ends 60 + 9.5 + 27 boxes to the right; pushed 100 mm right it leaves the A4 sheet.
    SaveMargins(QStringLiteral("Testowa"), QStringLiteral("F-110"), 100, 0);
    RecordingTarget outside;
    const double cut = PrintF110(outside, Samples::ordinary(), false, true).cutOffMm;
    EXPECT_GT(cut, 50);
    EXPECT_LT(cut, 120);
    EXPECT_EQ(outside.jobs.size(), 1) << "the page is printed all the same";

    SaveMargins(QStringLiteral("Testowa"), QStringLiteral("F-110"), -70, 0);
    RecordingTarget left;
    EXPECT_NEAR(PrintF110(left, Samples::ordinary(), false, true).cutOffMm, 0.5, 0.05);
}

TEST_F(PageFrameTest, CutOffIsMeasuredOnEveryEdge)
{
    const QSize area(1000, 2000);
    EXPECT_EQ(CutOffMm(QRect(0, 0, 1000, 2000), area, 600, 600), 0);
    EXPECT_NEAR(CutOffMm(QRect(-600, 0, 10, 10), area, 600, 600), 25.4, 1e-9);
    EXPECT_NEAR(CutOffMm(QRect(0, 1990, 10, 310), area, 300, 300), 25.4, 1e-9);
    EXPECT_NEAR(CutOffMm(QRect(990, 0, 610, 10), area, 600, 600), 25.4, 1e-9);
    EXPECT_EQ(CutOffMm(QRect(), area, 600, 600), 0);
}

TEST_F(PageFrameTest, TrialPrintOutlinesTheFirstCopyAtTheGivenMargins)
{
    RecordingTarget target(QStringLiteral("HP"));
    SaveMargins(QStringLiteral("HP"), QStringLiteral("F-110"), 9, 9);
    RenderOutline(target, LayoutOf(PrintForm::F110), Margins{2, -1});
    ASSERT_EQ(target.jobs.size(), 1);
    const RecordedJob &job = target.jobs.first();
    EXPECT_TRUE(job.texts.isEmpty());
    // 27 + 27 + 26 + 12 + 5 x 27 boxes, and one frame for the date.
    EXPECT_EQ(job.rects.size(), 27 + 27 + 26 + 12 + 5 * 27 + 1);
    // Margins 2 and -1: the origin at MmToX(62), MmToY(83); the first box 5 mm wide.
    EXPECT_EQ(job.rects[0].topLeft(), QPoint(1465 + 224, 1961 + 106));
    EXPECT_EQ(job.rects[0].width(), 118);
    EXPECT_EQ(job.rects[1].left(), 1465 + 224 + 118);
    for (const QRect &r : job.rects)
        EXPECT_LT(r.top(), 1961 + 2492) << "only the first copy is outlined";
}

TEST_F(PageFrameTest, TrialPrintOfF101FramesTheSignatureBlockInItsFont)
{
    RecordingTarget target;
    RenderOutline(target, LayoutOf(PrintForm::F101), Margins{});
    const RecordedJob &job = target.jobs.first();
    // Check digits (2), fund digit, amount (12), account (26), names (2 x 27), NIP (14), type,
    // second identifier (14), payment type, declaration (2 + 6), decision (15), signature.
    EXPECT_EQ(job.rects.size(), 2 + 1 + 12 + 26 + 54 + 14 + 1 + 14 + 1 + 2 + 6 + 15 + 1);
    const QRect signature = job.rects.last();
    EXPECT_EQ(signature.height(), 3 * (8 * 600 * 23 / (72 * 20)));
    // The check digits are 58/11 mm apart.
    EXPECT_EQ(job.rects[1].left() - job.rects[0].left(), 125);
}
