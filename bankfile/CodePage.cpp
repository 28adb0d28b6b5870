#include "CodePage.h"

#include "CodePageTables.h"
#include "Cp1250.h"

#include <algorithm>

namespace {

const std::array<char16_t, 128> *highHalf(CodePage page)
{
    switch (page) {
    case CodePage::Iso8859_2:
        return &Iso8859_2High;
    case CodePage::Cp852:
        return &Cp852High;
    case CodePage::Windows1250:
    case CodePage::Utf8:
        break;
    }
    return nullptr;
}

// The byte of a character in a table's upper half, or none.
std::optional<char> tableByte(const std::array<char16_t, 128> &high, QChar c)
{
    if (c.unicode() < 0x80)
        return char(c.unicode());
    const auto at = std::find(high.begin(), high.end(), c.unicode());
    if (c.unicode() == 0 || at == high.end())
        return std::nullopt;
    return char(0x80 + (at - high.begin()));
}

struct NamedPage
{
    CodePage page;
    const char *name;
    const char *caption;
};

constexpr NamedPage Pages[] = {
    {.page = CodePage::Windows1250, .name = "windows-1250", .caption = "Windows-1250"},
    {.page = CodePage::Iso8859_2, .name = "iso-8859-2", .caption = "ISO-8859-2"},
    {.page = CodePage::Cp852, .name = "cp852", .caption = "CP852 (DOS)"},
    {.page = CodePage::Utf8, .name = "utf-8", .caption = "UTF-8"},
};

}

namespace CodePages {

QStringList Names()
{
    QStringList names;
    for (const NamedPage &p : Pages)
        names << QLatin1String(p.name);
    return names;
}

QString Name(CodePage page)
{
    for (const NamedPage &p : Pages)
        if (p.page == page)
            return QLatin1String(p.name);
    return QString();
}

std::optional<CodePage> FromName(const QString &name)
{
    for (const NamedPage &p : Pages)
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.page;
    return std::nullopt;
}

QString Caption(CodePage page)
{
    for (const NamedPage &p : Pages)
        if (p.page == page)
            return QLatin1String(p.caption);
    return QString();
}

bool Holds(CodePage page, QChar c)
{
    if (page == CodePage::Utf8)
        return !c.isSurrogate();
    if (page == CodePage::Windows1250)
        return Cp1250::holds(c);
    return tableByte(*highHalf(page), c).has_value();
}

qsizetype FirstUnheld(CodePage page, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A pair of surrogates is one character that UTF-8 holds.
        if (page == CodePage::Utf8 && text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (!Holds(page, text.at(i)))
            return i;
    }
    return -1;
}

QByteArray Encode(CodePage page, const QString &text)
{
    if (page == CodePage::Utf8)
        return text.toUtf8();
    if (page == CodePage::Windows1250)
        return Cp1250::encode(text);
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        if (const auto byte = tableByte(*highHalf(page), c))
            bytes.append(*byte);
    return bytes;
}

QString Decode(CodePage page, const QByteArray &bytes)
{
    if (page == CodePage::Utf8)
        return QString::fromUtf8(bytes);
    if (page == CodePage::Windows1250)
        return Cp1250::decode(bytes);
    const auto &high = *highHalf(page);
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text.append(byte < 0x80 ? QChar(byte) : QChar(high[byte - 0x80]));
    }
    return text;
}

}
