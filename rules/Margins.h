#pragma once

#include <QString>
#include <stdexcept>

// Printer margins in whole millimetres, calibrated per printer and per form and
// kept in the current user's settings.
struct Margins
{
    int left = 0;
    int top = 0;
};

// A stored margin entry that cannot be read; the message is ready for the user.
class MarginsError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Never saved -> 0 and 0. Throws MarginsError when an entry lacks a value or holds a non-integer.
Margins LoadMargins(const QString &printerName, const QString &formName);
void SaveMargins(const QString &printerName, const QString &formName, int left, int top);
