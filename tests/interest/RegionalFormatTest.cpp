#include "RegionalFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct FormatCase
{
    QLocale locale;
    qint64 raw;
    QString money;
    QString rate;
};

}

// Grouping starts at four whole digits whatever Qt's data says; the currency's
// symbol, its side and its number of decimals come from the locale.
TEST(RegionalFormat, WritesMoneyAndRatesAfterTheLocale)
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QString nbsp(QChar(0x00A0));
    const std::vector<FormatCase> cases = {
        {polish, 10'263'500, "1" + nbsp + "026,35" + nbsp + "zł", "1" + nbsp + "026,35 %"},
        {polish, 9'999'900, "999,99" + nbsp + "zł", "999,99 %"},
        {polish, 0, "0,00" + nbsp + "zł", "0,00 %"},
        {polish, 130'000, "13,00" + nbsp + "zł", "13,00 %"},
        // Four decimals are rounded half up to the currency's two.
        {polish, 12'345'678'905'000, "1" + nbsp + "234" + nbsp + "567" + nbsp + "890,50" + nbsp + "zł",
         "1" + nbsp + "234" + nbsp + "567" + nbsp + "890,50 %"},
        {polish, 50, "0,01" + nbsp + "zł", "0,01 %"},
        {polish, 49, "0,00" + nbsp + "zł", "0,00 %"},
        {american, 10'263'500, "$1,026.35", "1,026.35 %"},
        // A currency without decimals.
        {japanese, 10'265'000, QString(QChar(0xFFE5)) + "1,027", "1,026.50 %"},
    };
    const QLocale saved;
    for (const FormatCase &c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + std::to_string(c.raw));
        QLocale::setDefault(c.locale);
        EXPECT_EQ(RegionalMoney(Money::fromRaw(c.raw)), c.money);
        EXPECT_EQ(RegionalRate(Money::fromRaw(c.raw)), c.rate);
    }
    QLocale::setDefault(saved);
}
