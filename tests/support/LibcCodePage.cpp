#include "LibcCodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>

std::optional<char16_t> LibcCharacter(const char *codePage, unsigned char byte)
{
    const iconv_t reader = iconv_open("UTF-16LE", codePage);
    if (reader == iconv_t(-1)) {
        ADD_FAILURE() << "iconv cannot read " << codePage;
        return std::nullopt;
    }
    char in[1] = {char(byte)};
    unsigned char out[4] = {};
    char *inAt = in;
    char *outAt = reinterpret_cast<char *>(out);
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    const size_t done = iconv(reader, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(reader);
    if (done == size_t(-1) || outLeft != 2)
        return std::nullopt;
    return char16_t(out[0] | out[1] << 8);
}
