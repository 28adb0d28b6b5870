#pragma once

#include <QString>
#include <cstddef>

struct archive;

// The list's JSON as a character stream for RapidJSON's SAX reader, pulled from
// libarchive block by block, so that a file of gigabytes never lies in memory whole.
// libarchive reads both forms the Ministry publishes: the .7z archive (its first
// regular .json entry) and the bare .json (libarchive's "raw" format).
class ArchiveStream
{
public:
    typedef char Ch;

    ArchiveStream() = default;
    ArchiveStream(const ArchiveStream &) = delete;
    ArchiveStream &operator=(const ArchiveStream &) = delete;
    ~ArchiveStream();

    // Empty on success, otherwise why the file cannot be read, in Polish.
    QString open(const QString &path);

    Ch Peek() const { return next_ < end_ ? *next_ : '\0'; }
    Ch Take();
    std::size_t Tell() const { return taken_; }

    // Bytes of the file itself consumed so far (compressed, for an archive).
    qint64 fileBytesRead() const;
    // What went wrong while reading after open, in Polish; empty while all is well.
    const QString &failure() const { return failure_; }
    // True once the whole entry was read without a fault.
    bool atEnd() const { return finished_ && failure_.isEmpty() && next_ == end_; }

    // Writing is never asked of an input stream; RapidJSON's concept names these.
    Ch *PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    std::size_t PutEnd(Ch *) { return 0; }

private:
    void refill();

    archive *archive_ = nullptr;
    char buffer_[1 << 16];
    const char *next_ = buffer_;
    const char *end_ = buffer_;
    std::size_t taken_ = 0;
    bool finished_ = false;
    QString failure_;
};
