#pragma once

#include <QString>

// The test of the search dialog: the text anywhere in the value (a fragment) or at
// its start, with or without regard to case. Without it both sides are upper-cased
// the Windows-1250 way, so Polish letters match their capitals; characters are then
// compared exactly, one by one.
class TextMatcher
{
public:
    TextMatcher(const QString &text, bool caseMatters, bool fragment);

    bool matches(const QString &value) const;

private:
    QString text_;
    bool caseMatters_;
    bool fragment_;
};
