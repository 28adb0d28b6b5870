#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

// A value the database holds that this program cannot represent, such as an amount
// beyond what a Money keeps. It comes in place of the value, so that one such value
// does not hide the rest of a list; lists show it marked, and a row that holds one is
// never written back (what the user could not see must not be stored over).
struct UnreadableValue
{
    QString stored; // the value as the database holds it, for the list to show
    QString reason; // what is wrong with it, a clause for the user's messages

    bool operator==(const UnreadableValue &) const = default;
};

Q_DECLARE_METATYPE(UnreadableValue)

inline bool IsUnreadable(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<UnreadableValue>();
}
