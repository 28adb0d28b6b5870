#include "PainterCanvas.h"
#include "RecordingTarget.h"
#include "TPrn.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

TPrn prnAt(int dpiX, int dpiY)
{
    TPrn prn;
    prn.SetDpiX(dpiX);
    prn.SetDpiY(dpiY);
    return prn;
}

// A TPrn writing onto a recorder's first job.
struct Writing
{
    explicit Writing(int dpi = 600) : target(QStringLiteral("Testowa"), dpi, dpi)
    {
        target.prepareJob(QStringLiteral("Test"), QPageLayout::Portrait);
        prn = prnAt(dpi, dpi);
        prn.SetCanvas(&target.beginJob());
        prn.SetFontSize(10);
    }
    const QList<DrawnText> &texts() const { return target.jobs.first().texts; }

    RecordingTarget target;
    TPrn prn;
};

}

TEST(TPrnTest, MillimetresTurnIntoDeviceUnitsAtEachResolution)
{
    const TPrn at600 = prnAt(600, 600);
    EXPECT_EQ(at600.MmToX(9.5f), 224);
    EXPECT_EQ(at600.MmToX(60.0f), 1417);
    EXPECT_EQ(at600.MmToY(84.0f), 1984);
    EXPECT_EQ(at600.MmToY(105.5f), 2492);
    EXPECT_EQ(at600.MmToX(0.0f), 0);
    EXPECT_EQ(at600.MmToX(-1.0f), -24);

    const TPrn at300 = prnAt(300, 300);
    EXPECT_EQ(at300.MmToX(9.5f), 112);
    EXPECT_EQ(at300.MmToY(9.5f), 112);
}

TEST(TPrnTest, EachAxisUsesItsOwnResolution)
{
    const TPrn prn = prnAt(600, 300);
    EXPECT_EQ(prn.MmToX(84.0f), 1984);
    EXPECT_EQ(prn.MmToY(84.0f), 992);
}

TEST(TPrnTest, HalfwayValuesRoundToTheEvenUnit)
{
    // At 127 dpi one millimetre is exactly five units: 0.5 mm is 2.5 units, 1.5 mm is 7.5.
    const TPrn prn = prnAt(127, 127);
    EXPECT_EQ(prn.MmToX(0.5f), 2);
    EXPECT_EQ(prn.MmToX(1.5f), 8);
    EXPECT_EQ(prn.MmToY(2.5f), 12);
    EXPECT_EQ(prn.MmToX(-0.5f), -2);
}

TEST(TPrnTest, TheOriginIsRoundedOnceNotPerPart)
{
    const TPrn prn = prnAt(600, 600);
    EXPECT_EQ(prn.MmToX(62.0f), 1465);
    EXPECT_NE(prn.MmToX(62.0f), prn.MmToX(60.0f) + prn.MmToX(2.0f));
}

TEST(TPrnTest, BoxesAtFiveMillimetresStartEvery118Units)
{
    Writing w;
    w.prn.TextInBoxes(1000, 500, QStringLiteral("1234"), BoxPitch::Mm5);
    ASSERT_EQ(w.texts().size(), 4);
    const int expected[] = {1000, 1118, 1236, 1354};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.texts()[i].x, expected[i]);
        EXPECT_EQ(w.texts()[i].y, 500);
        EXPECT_EQ(w.texts()[i].text, QString(QChar(u'1' + i)));
    }
}

TEST(TPrnTest, BoxOffsetsAreTakenFromTheFirstBoxNotAccumulated)
{
    Writing w;
    w.prn.TextInBoxes(0, 0, QString(27, u'X'), BoxPitch::Mm63by13);
    ASSERT_EQ(w.texts().size(), 27);
    EXPECT_EQ(w.texts()[1].x, 114);
    // 26 steps of 114 would be 2964; the 27th box lies 126 mm from the first.
    EXPECT_EQ(w.texts()[26].x, 2976);

    Writing zus;
    zus.prn.TextInBoxes(0, 0, QStringLiteral("78"), BoxPitch::Mm58by11);
    EXPECT_EQ(zus.texts()[1].x, 125);
}

TEST(TPrnTest, EmptyTextsWriteNothing)
{
    Writing w;
    w.prn.TextAt(10, 10, QString());
    w.prn.TextInBoxes(10, 10, QString(), BoxPitch::Mm5);
    EXPECT_TRUE(w.texts().isEmpty());
    EXPECT_TRUE(w.prn.InkBounds().isNull());
}

TEST(TPrnTest, LinesStandOneLineHeightApartAndEmptyLinesKeepTheirPlace)
{
    Writing w;
    w.prn.SetFontSize(8);
    const int height = w.prn.LineHeight();
    ASSERT_GT(height, 0);
    w.prn.TextLinesAt(100, 200, {QStringLiteral("Pierwsza"), QString(), QStringLiteral("Trzecia")});
    ASSERT_EQ(w.texts().size(), 2);
    EXPECT_EQ(w.texts()[0].y, 200);
    EXPECT_EQ(w.texts()[1].y, 200 + 2 * height);
    EXPECT_EQ(w.texts()[1].points, 8);
}

TEST(TPrnTest, CaseModeChangesOneCharacterForOne)
{
    TPrn prn;
    const QString mixed = QStringLiteral("Zażółć gęślą jaźń");
    EXPECT_EQ(prn.ApplyCase(mixed), mixed);
    prn.SetCaseMode(TPrn::Upper);
    EXPECT_EQ(prn.ApplyCase(mixed), QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"));
    prn.SetCaseMode(TPrn::Lower);
    EXPECT_EQ(prn.ApplyCase(QStringLiteral("ŻÓŁW Ąę")), QStringLiteral("żółw ąę"));
}

TEST(TPrnTest, CaseModeAppliesToEveryWayOfWriting)
{
    Writing w;
    w.prn.SetCaseMode(TPrn::Upper);
    w.prn.TextAt(0, 0, QStringLiteral("łąka"));
    w.prn.TextInBoxes(0, 100, QStringLiteral("ść"), BoxPitch::Mm5);
    w.prn.TextLinesAt(0, 200, {QStringLiteral("źle")});
    QStringList all;
    for (const DrawnText &t : w.texts())
        all << t.text;
    EXPECT_EQ(all, QStringList({QStringLiteral("ŁĄKA"), QStringLiteral("Ś"), QStringLiteral("Ć"), QStringLiteral("ŹLE")}));
}

TEST(TPrnTest, PainterCanvasPutsTheTopOfTheTextAtTheGivenPoint)
{
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(23622); // 600 dpi
    image.setDotsPerMeterY(23622);
    int height = 0;
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        canvas.selectFont(10);
        height = canvas.lineHeight();
        canvas.drawText(50, 100, QStringLiteral("A"));
    }
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    ASSERT_GE(top, 0) << "nothing was drawn";
    // The capital sits inside the line's cell below the point, not above it (as at a baseline).
    EXPECT_GE(top, 100);
    EXPECT_LT(bottom, 100 + height);
}
