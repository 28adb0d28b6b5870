#pragma once

#include "FlatFileReader.h"

#include <QByteArray>
#include <QDate>
#include <QFile>

// An index written by an import, opened for checks. Only its header and masks are
// read at opening; an entry is found by binary search over the records of its
// two-byte prefix, a few small reads each.
class WhitelistIndex
{
public:
    enum class Found { No, Active, Exempt, Unreadable };

    // Empty on success, otherwise why the index cannot be used, in Polish.
    QString open(const QString &path);

    const FlatFileSummary &summary() const { return summary_; }
    // The masks one after another, MaskLength characters each.
    const QByteArray &masks() const { return masks_; }

    Found find(const ListDigest &digest);

private:
    bool readAt(qint64 offset, char *into, qint64 length);

    QFile file_;
    FlatFileSummary summary_;
    QByteArray masks_;
    qint64 tableStart_ = 0;
    qint64 recordsStart_ = 0;
};
