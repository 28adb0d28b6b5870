#pragma once

#include <QHash>
#include <QString>

// For each table a list stores into, the caption under which its editor shows each
// column that the user fills in (without the accelerator's "&"), so that a refusal of
// a value names the field as the user sees it. Columns of no field of their own are
// absent; a second line of a two-line field is named after the first.
namespace FieldCaptions {

QHash<QString, QString> of(const QString &table);

}
