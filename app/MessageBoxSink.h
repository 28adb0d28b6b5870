#pragma once

#include "MessageSeam.h"

class QWidget;

// The program's real message boxes behind the message seam.
class MessageBoxSink : public MessageSink
{
public:
    void warning(const QString &text) override;
    bool confirm(const QString &text) override;
};
