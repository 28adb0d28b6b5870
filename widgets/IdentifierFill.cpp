#include "IdentifierFill.h"

#include "Globals.h"
#include "MessageSeam.h"

#include <QLineEdit>

bool FillIdentifier(QLineEdit *field, const QString &identifier, const QString &caption)
{
    const int room = field->maxLength();
    if (identifier.size() <= room) {
        field->setText(identifier);
        return true;
    }
    // The letters of a passport or a country prefix count; the blanks and hyphens between
    // the groups do not, and the print takes the digits alone.
    for (const QString &shorter : {StripSeparators(identifier), DigitsOnly(identifier)})
        if (!shorter.isEmpty() && shorter.size() <= room) {
            field->setText(shorter);
            return true;
        }
    field->clear();
    MessageSeam::warning(QStringLiteral("%1 „%2” nie mieści się w polu (najwyżej %3 znaków); wpisz go ręcznie.")
                             .arg(caption, identifier)
                             .arg(room));
    return false;
}
