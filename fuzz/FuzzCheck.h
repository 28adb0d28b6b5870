#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property is reported like a crash, so that libFuzzer keeps the input that
// broke it. The texts involved are printed with every character's code, since a
// property usually breaks on one invisible character.
namespace fuzz {

inline QByteArray describe(const QString &text)
{
    QByteArray out = '"' + text.toUtf8() + "\" [";
    for (const QChar c : text)
        out += QByteArray::number(c.unicode(), 16) + ' ';
    return out + ']';
}

[[noreturn]] inline void fail(const char *property, const char *file, int line, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, property, describe(detail).constData());
    std::abort();
}

// The input as text the way a user or a file gives it: UTF-8, with whatever is not
// valid UTF-8 replaced, as Qt reads it.
inline QString utf8Text(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

}

// Checks a property of the parser; `detail` is the text shown when it breaks.
#define FUZZ_EXPECT(property, detail) \
    ((property) ? void() : ::fuzz::fail(#property, __FILE__, __LINE__, (detail)))
