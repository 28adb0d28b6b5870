#include "MessageSeam.h"

#include <cstdio>

namespace {
MessageSink *installedSink = nullptr;
}

namespace MessageSeam {

void install(MessageSink *sink)
{
    installedSink = sink;
}

void warning(const QString &text)
{
    if (installedSink)
        installedSink->warning(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool confirm(const QString &text)
{
    if (installedSink)
        return installedSink->confirm(text);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return false;
}

}
