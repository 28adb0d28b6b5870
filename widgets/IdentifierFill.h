#pragma once

#include <QString>

class QLineEdit;

// Puts an identifier (a NIP, REGON, PESEL... from a directory or a stored row) into a
// field that holds fewer characters than some ways of writing it: as written when it
// fits; otherwise without its separators, or else its digits alone, which are all a form
// prints of it; when even they do not fit, the field is emptied and the user is told, so
// that no cut identifier is ever stored. caption names the field in the warning. False when the user was warned.
bool FillIdentifier(QLineEdit *field, const QString &identifier, const QString &caption);
