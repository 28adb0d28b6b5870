#include "TextMatcher.h"

#include <gtest/gtest.h>

TEST(TextMatcher, FragmentOrBeginningWithOrWithoutCase)
{
    EXPECT_TRUE(TextMatcher("kowal", false, true).matches("Jan KOWALSKI"));
    EXPECT_FALSE(TextMatcher("kowal", true, true).matches("Jan KOWALSKI"));
    EXPECT_TRUE(TextMatcher("kow", false, false).matches("Kowalski sp. j."));
    EXPECT_FALSE(TextMatcher("kow", false, false).matches("Jan Kowalski"));
    EXPECT_FALSE(TextMatcher("Kow", true, false).matches("kowalski"));
    EXPECT_FALSE(TextMatcher("Kowalski i syn", false, false).matches("Kowalski"));
    EXPECT_FALSE(TextMatcher("a", false, true).matches(QString()));
}

TEST(TextMatcher, PolishLettersAreUpperCasedOneForOne)
{
    EXPECT_TRUE(TextMatcher("ąęśćżźółń", false, false).matches("ĄĘŚĆŻŹÓŁŃ i reszta"));
    EXPECT_TRUE(TextMatcher("ŁÓDŹ", false, true).matches("Urząd Skarbowy Łódź-Bałuty"));
    EXPECT_FALSE(TextMatcher("łódź", true, true).matches("ŁÓDŹ"));
    // Upper-casing never lengthens a value, so a text cannot match through a longer form.
    EXPECT_FALSE(TextMatcher("SS", false, false).matches("ß"));
}
