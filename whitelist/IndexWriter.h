#pragma once

#include "FlatFileReader.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <memory>
#include <vector>

// Builds the index while the list is read. Ten million entries are 650 MB, far more
// than an import may hold, so they are spread by their first byte over 256 bucket
// files in a working directory, and each bucket, a 256th of the whole, is sorted
// alone when the index is written. What stays in memory meanwhile is one write
// buffer per bucket, the count of every two-byte prefix and the masks.
class IndexWriter : public FlatFileSink
{
public:
    explicit IndexWriter(const QString &workDirectory);

    bool addDigest(ListKind kind, const ListDigest &digest) override;
    bool addMask(const char *mask) override;
    QString failure() const override { return failure_; }

    // Writes the whole index for a list read to its end. False when writing failed or
    // the reading was cancelled meanwhile; failure() says why.
    bool writeIndex(QIODevice &out, const FlatFileSummary &summary, const ReadProgress *progress);

private:
    bool flush(int bucket);
    bool writeBucket(QIODevice &out, int bucket);
    bool fail(const QString &message);

    QString workDirectory_;
    std::vector<std::unique_ptr<QFile>> buckets_;
    std::vector<QByteArray> pending_;
    std::vector<quint64> prefixCounts_;
    QByteArray masks_;
    QString failure_;
};
