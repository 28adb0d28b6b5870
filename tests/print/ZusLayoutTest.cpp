#include "FormReader.h"
#include "Layouts.h"
#include "Samples.h"
#include "SettingsSandbox.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// MmToX(60), MmToY(85); the copies 106.5 mm apart.
const QPoint F101Origin(1417, 2008);
const QPoint F101Second(0, 2516);

class ZusLayoutTest : public ::testing::Test
{
protected:
    RecordedJob print(const TZUS &r, bool upperCase = false, bool printDate = false)
    {
        RecordingTarget target;
        PrintF101(target, r, upperCase, printDate);
        EXPECT_EQ(target.jobs.size(), 1);
        return target.jobs.value(0);
    }

    static TZUS forComponent(int component)
    {
        TZUS r = Samples::zus();
        r.SetComponentAmount(52, Money::fromGrosze(2000));
        r.SetPaymentType(52, QStringLiteral("m"));
        r.SetDecisionNumber(52, QStringLiteral("dec-52"));
        r.SetCurrentComponent(component);
        return r;
    }

    SettingsSandbox sandbox;
};

}

TEST_F(ZusLayoutTest, F101WritesTheComponentAndThePayerIntoBothCopies)
{
    const RecordedJob job = print(forComponent(51));
    EXPECT_EQ(job.title, QStringLiteral("Przelew ZUS"));
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    const FormReader page(job, F101Origin);
    for (const QPoint copy : {QPoint(), F101Second}) {
        SCOPED_TRACE(copy.y());
        EXPECT_EQ(page.boxes(9.5f, 21.5f, copy, BoxPitch::Mm58by11), QStringLiteral("83"));
        EXPECT_EQ(page.boxes(109.0f, 21.5f, copy), QStringLiteral("1"));
        EXPECT_EQ(page.boxes(84.5f, 30.0f, copy), QStringLiteral("100,00------"));
        EXPECT_EQ(page.boxes(9.5f, 38.5f, copy), Samples::senderAccount());
        EXPECT_EQ(page.boxes(9.5f, 47.0f, copy), QStringLiteral("Firma Łódź"));
        EXPECT_EQ(page.boxes(9.5f, 55.5f, copy), QStringLiteral("ul. Piękna 3"));
        EXPECT_EQ(page.boxes(9.5f, 64.0f, copy), QStringLiteral("1234567819"));
        EXPECT_EQ(page.boxes(64.5f, 64.0f, copy), QStringLiteral("r"));
        EXPECT_EQ(page.boxes(74.5f, 64.0f, copy), QStringLiteral("123456785"));
        EXPECT_EQ(page.boxes(9.5f, 72.5f, copy), QStringLiteral("s"));
        EXPECT_EQ(page.boxes(19.5f, 72.5f, copy), QStringLiteral("01"));
        EXPECT_EQ(page.boxes(34.5f, 72.5f, copy), QStringLiteral("032004"));
        EXPECT_EQ(page.boxes(69.5f, 72.5f, copy), QStringLiteral("dec-51"));
    }
}

TEST_F(ZusLayoutTest, EachComponentHasItsCheckDigitsAndFundDigit)
{
    const struct
    {
        int component;
        const char16_t *check;
        const char16_t *fund;
    } cases[] = {{51, u"83", u"1"}, {52, u"78", u"2"}, {53, u"73", u"3"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.component);
        const RecordedJob job = print(forComponent(c.component));
        const FormReader page(job, F101Origin);
        EXPECT_EQ(page.boxes(9.5f, 21.5f, {}, BoxPitch::Mm58by11), QString::fromUtf16(c.check));
        EXPECT_EQ(page.boxes(109.0f, 21.5f), QString::fromUtf16(c.fund));
    }
    // 52: "78" in two boxes 58/11 mm apart.
    const RecordedJob job = print(forComponent(52));
    const QPoint at = FormReader(job, F101Origin).point(9.5f, 21.5f);
    EXPECT_EQ(job.at(at.x() + 125, at.y()).value(0).text, QStringLiteral("8"));
}

TEST_F(ZusLayoutTest, ComponentsDifferOnlyInTheirOwnItems)
{
    TZUS r = forComponent(51);
    r.IsTransfer = false;
    const RecordedJob social = print(r);
    r.SetCurrentComponent(53);
    const RecordedJob fund = print(r);

    const FormReader page(fund, F101Origin);
    EXPECT_EQ(page.boxes(9.5f, 38.5f), QStringLiteral("PIĘ*ZER*0/100"));
    EXPECT_EQ(page.boxes(84.5f, 30.0f), QStringLiteral("50,00-------"));
    EXPECT_EQ(page.boxes(9.5f, 72.5f), QStringLiteral("a"));
    EXPECT_EQ(page.boxes(69.5f, 72.5f), QStringLiteral("dec-53"));

    // Every difference lies in items 1 to 4 (rows 21.5, 30 and 38.5 mm), 10 or 13 (row 72.5 mm,
    // at 9.5 mm and from 69.5 mm on); the payer's block and the declaration are the same.
    auto entries = [](const RecordedJob &job) {
        QSet<QString> all;
        for (const DrawnText &t : job.texts)
            all << QStringLiteral("%1,%2:%3").arg(t.x).arg(t.y).arg(t.text);
        return all;
    };
    const QSet<QString> differing = (entries(social) - entries(fund)) + (entries(fund) - entries(social));
    EXPECT_FALSE(differing.isEmpty());
    FormReader mm(social, F101Origin);
    const QList<int> componentRows{mm.point(0, 21.5f).y(), mm.point(0, 30.0f).y(), mm.point(0, 38.5f).y()};
    const int typeRow = mm.point(0, 72.5f).y();
    for (const QString &entry : differing) {
        const int x = entry.section(u',', 0, 0).toInt();
        int y = entry.section(u',', 1).section(u':', 0, 0).toInt();
        if (y >= F101Origin.y() + F101Second.y())
            y -= F101Second.y();
        const bool ownItem = componentRows.contains(y)
            || (y == typeRow && (x == mm.point(9.5f, 0).x() || x >= mm.point(69.5f, 0).x()));
        EXPECT_TRUE(ownItem) << entry.toStdString();
    }
}

TEST_F(ZusLayoutTest, CashPaymentOfComponent53WritesItsAmountInWords)
{
    TZUS r = Samples::zus();
    r.IsTransfer = false;
    r.SetComponentAmount(53, Money::fromGrosze(123456));
    r.SetCurrentComponent(53);
    const FormReader page(print(r), F101Origin);
    EXPECT_EQ(page.boxes(9.5f, 38.5f), QStringLiteral("JED*DWA*TRZ*CZT*56/100"));
    EXPECT_EQ(page.boxes(9.5f, 38.5f, F101Second), QStringLiteral("JED*DWA*TRZ*CZT*56/100"));
}

TEST_F(ZusLayoutTest, LimitsAndFirstCharacters)
{
    TZUS r = Samples::zus();
    r.DeclarationNumber = QStringLiteral("012");
    r.SecondIdType = QStringLiteral("regon");
    r.SecondId = QString(15, u'1');
    r.SetDecisionNumber(51, QString(16, u'd'));
    r.SetPaymentType(51, QStringLiteral("skład"));
    r.IsTransfer = false;
    r.SetComponentAmount(51, Money::fromGrosze(123456789));
    const FormReader page(print(r, true), F101Origin);
    EXPECT_EQ(page.plain(19.5f, 72.5f), QStringLiteral("012"));
    EXPECT_EQ(page.boxes(64.5f, 64.0f), QStringLiteral("R"));
    EXPECT_EQ(page.plain(74.5f, 64.0f), QString(15, u'1'));
    EXPECT_EQ(page.plain(69.5f, 72.5f), QString(16, u'D'));
    EXPECT_EQ(page.boxes(9.5f, 72.5f), QStringLiteral("S"));
    // 34 characters of words exceed the 26 boxes of this form.
    EXPECT_EQ(page.plain(9.5f, 38.5f), QStringLiteral("JED*DWA*TRZ*CZT*PIĘ*SZE*SIE*89/100"));
}

TEST_F(ZusLayoutTest, SignatureBlockIsThreeLinesInEightPoints)
{
    TZUS r = Samples::zus();
    r.SetSignatureLine(2, QString());
    r.SetSignatureLine(3, QString());
    const RecordedJob job = print(r, true);
    const FormReader page(job, F101Origin);
    const QPoint top = page.point(9.5f, 82.5f);
    const auto first = job.at(top.x(), top.y());
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first.first().text, QStringLiteral("JAN KOWALSKI"));
    EXPECT_EQ(first.first().points, 8);
    EXPECT_EQ(page.plain(9.5f, 82.5f, F101Second), QStringLiteral("JAN KOWALSKI"));
    // Nothing else is written below it: the empty lines and the fourth line take no ink.
    for (const DrawnText &t : job.texts) {
        if (t.points == 8) {
            EXPECT_EQ(t.text, QStringLiteral("JAN KOWALSKI"));
        }
    }

    const RecordedJob full = print(Samples::zus(), true);
    const int lineHeight = 8 * 600 * 23 / (72 * 20);
    EXPECT_EQ(full.at(top.x(), top.y() + 2 * lineHeight).value(0).text, QStringLiteral("ŁÓDŹ"));
    EXPECT_TRUE(full.at(top.x(), top.y() + 3 * lineHeight).isEmpty());
    // All other items stay in ten points.
    EXPECT_EQ(full.texts.first().points, 10);
}

TEST_F(ZusLayoutTest, TheDateOptionChangesNothing)
{
    const RecordedJob without = print(Samples::zus(), true, false);
    const RecordedJob with = print(Samples::zus(), true, true);
    EXPECT_EQ(without.textsOnly(), with.textsOnly());
    EXPECT_FALSE(with.textsOnly().contains(QStringLiteral("10-04-2004")));
}

TEST_F(ZusLayoutTest, UpperCaseLeavesCheckDigitsAmountAndFundAlone)
{
    const FormReader page(print(Samples::zus(), true), F101Origin);
    EXPECT_EQ(page.boxes(9.5f, 47.0f), QStringLiteral("FIRMA ŁÓDŹ"));
    EXPECT_EQ(page.boxes(9.5f, 55.5f), QStringLiteral("UL. PIĘKNA 3"));
    EXPECT_EQ(page.boxes(69.5f, 72.5f), QStringLiteral("DEC-51"));
}
