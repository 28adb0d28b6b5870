#include "TextMatcher.h"

#include "UpperCase.h"

TextMatcher::TextMatcher(const QString &text, bool caseMatters, bool fragment)
    : text_(caseMatters ? text : UpperCp1250(text)), caseMatters_(caseMatters), fragment_(fragment)
{
}

bool TextMatcher::matches(const QString &value) const
{
    const QString compared = caseMatters_ ? value : UpperCp1250(value);
    return fragment_ ? compared.contains(text_, Qt::CaseSensitive) : compared.startsWith(text_, Qt::CaseSensitive);
}
