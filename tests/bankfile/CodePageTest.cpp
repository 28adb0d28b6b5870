#include "CodePage.h"
#include "LibcCodePage.h"

#include <gtest/gtest.h>

// Each byte of the upper halves kept in this folder reads as the C library reads it and
// is written back as itself: a round trip alone would pass two characters swapped in a table.
TEST(CodePages, EveryByteIsTheCharacterTheCLibraryReadsAndWritesBackToIt)
{
    const struct {
        CodePage page;
        const char *libcName;
    } rows[] = {
        {CodePage::Iso8859_2, "ISO-8859-2"},
        {CodePage::Cp852, "CP852"},
    };
    for (const auto &row : rows) {
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            SCOPED_TRACE(std::string(row.libcName) + " byte " + std::to_string(byte));
            const auto libc = LibcCharacter(row.libcName, byte);
            if (!libc)
                continue;
            const QString text = CodePages::Decode(row.page, QByteArray(1, char(byte)));
            ASSERT_EQ(text.size(), 1);
            EXPECT_EQ(text.at(0).unicode(), *libc);
            EXPECT_EQ(CodePages::Encode(row.page, text), QByteArray(1, char(byte)));
        }
    }
}
