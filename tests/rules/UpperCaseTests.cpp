#include "Printers.h"
#include "UpperCase.h"

#include <gtest/gtest.h>

TEST(UpperCp1250, PolishLetters)
{
    EXPECT_EQ(UpperCp1250(QStringLiteral("ąćęłńóśźż")), QStringLiteral("ĄĆĘŁŃÓŚŹŻ"));
    EXPECT_EQ(UpperCp1250(QStringLiteral("Zażółć gęślą jaźń")), QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"));
}

TEST(UpperCp1250, SharpSIsKeptAndLengthPreserved)
{
    const QString text = QStringLiteral("Straße");
    EXPECT_EQ(UpperCp1250(text), QStringLiteral("STRAßE"));
    EXPECT_EQ(UpperCp1250(text).size(), text.size());
}

TEST(UpperCp1250, UpperFormOutsideTheCodePageIsNotUsed)
{
    // µ (in Windows-1250) would become the Greek capital Mu (not in it).
    EXPECT_EQ(UpperCp1250(QStringLiteral("µ")), QStringLiteral("µ"));
}

TEST(UpperCp1250, CharactersOutsideTheCodePageStayUnchanged)
{
    // à and the Greek alpha have capitals, but are not Windows-1250 characters.
    EXPECT_EQ(UpperCp1250(QStringLiteral("àα")), QStringLiteral("àα"));
}

TEST(UpperCp1250, DigitsPunctuationAndCapitalsStay)
{
    EXPECT_EQ(UpperCp1250(QStringLiteral("12-ABC ŁÓ_")), QStringLiteral("12-ABC ŁÓ_"));
}
