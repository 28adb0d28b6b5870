#include "Margins.h"
#include "SettingsSandbox.h"

#include <gtest/gtest.h>

namespace {

class MarginsTest : public ::testing::Test
{
protected:
    SettingsSandbox sandbox;
};

void expectMargins(const QString &printer, const QString &form, int left, int top)
{
    const Margins m = LoadMargins(printer, form);
    EXPECT_EQ(m.left, left) << printer.toStdString() << " " << form.toStdString();
    EXPECT_EQ(m.top, top) << printer.toStdString() << " " << form.toStdString();
}

QString errorOf(const QString &printer, const QString &form)
{
    try {
        LoadMargins(printer, form);
    } catch (const MarginsError &error) {
        return QString::fromStdString(error.what());
    }
    return QString();
}

}

TEST_F(MarginsTest, NeverSavedMarginsAreZero)
{
    expectMargins(QStringLiteral("HP LaserJet"), QStringLiteral("F-110"), 0, 0);
}

TEST_F(MarginsTest, MarginsAreKeptPerPrinterAndPerForm)
{
    SaveMargins(QStringLiteral("HP LaserJet"), QStringLiteral("F-110"), 2, -1);
    SaveMargins(QStringLiteral("Canon"), QStringLiteral("K-117"), -3, 4);

    expectMargins(QStringLiteral("HP LaserJet"), QStringLiteral("F-110"), 2, -1);
    expectMargins(QStringLiteral("HP LaserJet"), QStringLiteral("K-117"), 0, 0);
    expectMargins(QStringLiteral("Canon"), QStringLiteral("K-117"), -3, 4);
    expectMargins(QStringLiteral("Canon"), QStringLiteral("F-110"), 0, 0);

    SaveMargins(QStringLiteral("HP LaserJet"), QStringLiteral("F-110"), 0, 7);
    expectMargins(QStringLiteral("HP LaserJet"), QStringLiteral("F-110"), 0, 7);
}

TEST_F(MarginsTest, MarginsAreStoredUnderTheDocumentedKeyAndValues)
{
    SaveMargins(QStringLiteral("HP"), QStringLiteral("F-130"), 5, 6);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"),
                       QStringLiteral("Zanderol"));
    EXPECT_EQ(settings.value(QStringLiteral("Marginesy/HP/F-130/Lewy")).toInt(), 5);
    EXPECT_EQ(settings.value(QStringLiteral("Marginesy/HP/F-130/Gora")).toInt(), 6);
    EXPECT_TRUE(settings.fileName().startsWith(sandbox.path()));
}

TEST_F(MarginsTest, NetworkPrinterNamesWithSeparatorsStayOneEntry)
{
    const QString unc = QStringLiteral("\\\\serwer\\HP biuro");
    const QString slashed = QStringLiteral("ipp://serwer/printers/hp");
    const QString lookalike = QStringLiteral("ipp:%2F%2Fserwer%2Fprinters%2Fhp");
    SaveMargins(unc, QStringLiteral("F-101"), 1, 2);
    SaveMargins(slashed, QStringLiteral("F-101"), 3, 4);

    expectMargins(unc, QStringLiteral("F-101"), 1, 2);
    expectMargins(slashed, QStringLiteral("F-101"), 3, 4);
    // Neither the parts of a name nor its escaped spelling reach someone else's margins.
    expectMargins(QStringLiteral("serwer"), QStringLiteral("F-101"), 0, 0);
    expectMargins(QStringLiteral("ipp:"), QStringLiteral("F-101"), 0, 0);
    expectMargins(lookalike, QStringLiteral("F-101"), 0, 0);
    expectMargins(QStringLiteral("//serwer/HP biuro"), QStringLiteral("F-101"), 0, 0);

    SaveMargins(lookalike, QStringLiteral("F-101"), 9, 9);
    expectMargins(slashed, QStringLiteral("F-101"), 3, 4);
}

TEST_F(MarginsTest, AnEntryMissingAValueStopsWithAMessageNamingIt)
{
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-110"), QStringLiteral("Lewy"), 3);
    const QString message = errorOf(QStringLiteral("HP"), QStringLiteral("F-110"));
    EXPECT_TRUE(message.contains(QStringLiteral("„Gora”"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("HP"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("F-110"))) << message.toStdString();
}

TEST_F(MarginsTest, AValueThatIsNoWholeNumberStopsWithAMessage)
{
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-110"), QStringLiteral("Lewy"), QStringLiteral("2,5"));
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-110"), QStringLiteral("Gora"), 1);
    const QString message = errorOf(QStringLiteral("HP"), QStringLiteral("F-110"));
    EXPECT_TRUE(message.contains(QStringLiteral("„Lewy”"))) << message.toStdString();

    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-130"), QStringLiteral("Lewy"), 1);
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-130"), QStringLiteral("Gora"), QString());
    EXPECT_FALSE(errorOf(QStringLiteral("HP"), QStringLiteral("F-130")).isEmpty());

    // A broken entry of one form leaves the other forms readable.
    expectMargins(QStringLiteral("HP"), QStringLiteral("K-117"), 0, 0);
}
