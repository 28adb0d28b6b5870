#include "ListDigest.h"

#include <QCryptographicHash>
#include <cstring>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}

ListDigest DigestOfEntry(const QByteArray &text, int rounds)
{
    QCryptographicHash hash(QCryptographicHash::Sha512);
    hash.addData(text);
    QByteArray digest = hash.result();
    for (int round = 1; round < rounds; ++round) {
        hash.reset();
        hash.addData(digest.toHex());
        digest = hash.result();
    }
    ListDigest out;
    std::memcpy(out.data(), digest.constData(), out.size());
    return out;
}

std::optional<ListDigest> DigestFromHex(const char *text, std::size_t length)
{
    ListDigest out;
    if (length != out.size() * 2)
        return std::nullopt;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out[i] = std::uint8_t(high * 16 + low);
    }
    return out;
}
