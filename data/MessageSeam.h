#pragma once

#include <QString>

// The program's two modal message boxes go through this seam so that the data layer
// needs no widgets and tests can answer them: the program installs the real boxes,
// tests install a recorder with scripted answers.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // Modal box titled "Uwaga", warning icon, OK.
    virtual void warning(const QString &text) = 0;
    // Modal box titled "Potwierdzenie", question icon, Yes and No; true on Yes.
    virtual bool confirm(const QString &text) = 0;
};

namespace MessageSeam {

// The sink stays owned by the caller; passing nullptr removes it.
void install(MessageSink *sink);
// Without an installed sink a warning is written to standard error and a question
// is answered No, so nothing irreversible happens unattended.
void warning(const QString &text);
bool confirm(const QString &text);

}
