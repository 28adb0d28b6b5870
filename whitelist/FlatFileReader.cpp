#include "FlatFileReader.h"

#include "ArchiveStream.h"

#include <rapidjson/reader.h>

#include <cstring>

namespace {

enum class Part { None, Header, Active, Exempt, Masks, Unknown };

QString partName(Part part)
{
    switch (part) {
    case Part::Header:
        return QStringLiteral("naglowek");
    case Part::Active:
        return QStringLiteral("skrotyPodatnikowCzynnych");
    case Part::Exempt:
        return QStringLiteral("skrotyPodatnikowZwolnionych");
    case Part::Masks:
        return QStringLiteral("maski");
    case Part::None:
    case Part::Unknown:
        break;
    }
    return {};
}

bool isMask(const char *text, rapidjson::SizeType length)
{
    if (length != MaskLength)
        return false;
    for (rapidjson::SizeType i = 0; i < length; ++i)
        if (!((text[i] >= '0' && text[i] <= '9') || text[i] == 'X' || text[i] == 'Y'))
            return false;
    return true;
}

// Follows the document's nesting and sorts each value into its part. Depth 1 is the
// root object, depth 2 the value of one of its keys.
class Handler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Handler>
{
public:
    Handler(FlatFileSink &sink, ArchiveStream &stream, ReadProgress *progress)
        : sink_(sink), stream_(stream), progress_(progress)
    {}

    bool StartObject() { return open(false); }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return open(true); }
    bool EndArray(rapidjson::SizeType) { return close(); }

    bool Key(const char *text, rapidjson::SizeType length, bool)
    {
        const QByteArray key(text, qsizetype(length));
        if (depth_ == 1) {
            part_ = Part::Unknown;
            for (Part known : {Part::Header, Part::Active, Part::Exempt, Part::Masks})
                if (key == partName(known).toLatin1())
                    part_ = known;
            if (part_ != Part::Unknown && seen(part_))
                return fail(QStringLiteral("Część „%1” występuje w pliku dwa razy.").arg(partName(part_)));
        } else if (depth_ == 2 && part_ == Part::Header) {
            headerKey_ = key;
        }
        return true;
    }

    bool String(const char *text, rapidjson::SizeType length, bool)
    {
        if (depth_ == 2 && (part_ == Part::Active || part_ == Part::Exempt))
            return digest(text, length);
        if (depth_ == 2 && part_ == Part::Masks)
            return mask(text, length);
        if (depth_ == 2 && part_ == Part::Header)
            return headerValue(QByteArray(text, qsizetype(length)));
        return Default();
    }

    bool Uint(unsigned value)
    {
        if (depth_ == 2 && part_ == Part::Header && headerKey_ == "liczbaTransformacji")
            return headerValue(QByteArray::number(value));
        return Default();
    }

    // Any other value is welcome only where the program does not look.
    bool Default()
    {
        if (depth_ == 0)
            return fail(QStringLiteral("Plik nie jest obiektem JSON wykazu."));
        if (part_ == Part::Unknown) {
            if (depth_ == 1)
                part_ = Part::None;
            return true;
        }
        if (depth_ == 1)
            return wrongType();
        if (part_ == Part::Header)
            return depth_ == 2 && knownHeaderKey() ? wrongHeaderType() : true;
        return fail(QStringLiteral("Część „%1” zawiera coś innego niż teksty.").arg(partName(part_)));
    }

    // What the file lacks to be a complete list; empty when nothing.
    QString missing() const
    {
        for (Part part : {Part::Header, Part::Active, Part::Exempt, Part::Masks})
            if (!seen(part))
                return QStringLiteral("W pliku brak części „%1”.").arg(partName(part));
        if (!summary_.date.isValid())
            return QStringLiteral("Nagłówek nie podaje poprawnej daty „dataGenerowaniaDanych” (RRRRMMDD).");
        if (summary_.rounds == 0)
            return QStringLiteral("Nagłówek nie podaje liczby „liczbaTransformacji” od 1 do %1.").arg(MaxRounds);
        return {};
    }

    const FlatFileSummary &summary() const { return summary_; }
    const QString &failure() const { return failure_; }

private:
    bool open(bool array)
    {
        ++depth_;
        if (depth_ == 1)
            return array ? fail(QStringLiteral("Plik nie jest obiektem JSON wykazu.")) : true;
        if (part_ == Part::Unknown)
            return true;
        if (depth_ == 2)
            return array == (part_ != Part::Header) ? true : wrongType();
        if (part_ == Part::Header)
            return depth_ == 3 && knownHeaderKey() ? wrongHeaderType() : true;
        return fail(QStringLiteral("Część „%1” zawiera coś innego niż teksty.").arg(partName(part_)));
    }

    bool wrongType() { return fail(QStringLiteral("Część „%1” ma zły typ.").arg(partName(part_))); }

    bool wrongHeaderType()
    {
        return fail(QStringLiteral("Pole „%1” nagłówka ma zły typ.").arg(QString::fromLatin1(headerKey_)));
    }

    bool close()
    {
        --depth_;
        if (depth_ == 1)
            finishPart();
        return true;
    }

    void finishPart()
    {
        if (part_ != Part::Unknown && part_ != Part::None)
            seenParts_ |= 1u << unsigned(part_);
        part_ = Part::None;
    }

    bool seen(Part part) const { return seenParts_ & (1u << unsigned(part)); }

    bool knownHeaderKey() const
    {
        return headerKey_ == "dataGenerowaniaDanych" || headerKey_ == "liczbaTransformacji";
    }

    bool headerValue(const QByteArray &value)
    {
        if (headerKey_ == "dataGenerowaniaDanych") {
            summary_.date = value.size() == 8 ? QDate::fromString(QString::fromLatin1(value), QStringLiteral("yyyyMMdd"))
                                              : QDate();
            if (!summary_.date.isValid())
                return fail(QStringLiteral("Data „%1” w nagłówku nie jest dniem w postaci RRRRMMDD.")
                                .arg(QString::fromUtf8(value.left(40))));
        } else if (headerKey_ == "liczbaTransformacji") {
            bool ok = false;
            const int rounds = value.toInt(&ok);
            if (!ok || rounds < 1 || rounds > MaxRounds || value.front() == '+' || value.front() == ' ')
                return fail(QStringLiteral("Liczba transformacji „%1” nie jest liczbą od 1 do %2.")
                                .arg(QString::fromUtf8(value.left(40)))
                                .arg(MaxRounds));
            summary_.rounds = rounds;
        }
        return true;
    }

    bool digest(const char *text, rapidjson::SizeType length)
    {
        const bool active = part_ == Part::Active;
        qint64 &count = active ? summary_.active : summary_.exempt;
        const auto parsed = DigestFromHex(text, length);
        if (!parsed)
            return fail(QStringLiteral("Pozycja nr %1 części „%2” nie jest skrótem SHA-512 (128 znaków szesnastkowych).")
                            .arg(count + 1)
                            .arg(partName(part_)));
        ++count;
        return sink_.addDigest(active ? ListKind::Active : ListKind::Exempt, *parsed) ? tick() : fail(sink_.failure());
    }

    bool mask(const char *text, rapidjson::SizeType length)
    {
        if (!isMask(text, length))
            return fail(QStringLiteral("Maska nr %1 nie ma 26 znaków z cyfr, „X” i „Y”.").arg(summary_.masks + 1));
        ++summary_.masks;
        return sink_.addMask(text) ? tick() : fail(sink_.failure());
    }

    // Progress and a cancel are looked at every few thousand entries, cheap enough not
    // to show in the time of a reading.
    bool tick()
    {
        if (++sinceTick_ < 4096 || !progress_)
            return true;
        sinceTick_ = 0;
        progress_->fileBytesRead = stream_.fileBytesRead();
        return progress_->cancelled ? fail(CancelledMessage()) : true;
    }

    bool fail(const QString &message)
    {
        failure_ = message;
        return false;
    }

    FlatFileSink &sink_;
    ArchiveStream &stream_;
    ReadProgress *progress_;
    FlatFileSummary summary_;
    int depth_ = 0;
    Part part_ = Part::None;
    unsigned seenParts_ = 0;
    QByteArray headerKey_;
    int sinceTick_ = 0;
    QString failure_;
};

QString syntaxMessage(const rapidjson::ParseResult &result)
{
    switch (result.Code()) {
    case rapidjson::kParseErrorDocumentEmpty:
        return QStringLiteral("Plik jest pusty.");
    case rapidjson::kParseErrorDocumentRootNotSingular:
        return QStringLiteral("Po końcu wykazu plik zawiera jeszcze coś (bajt %1).").arg(result.Offset());
    default:
        return QStringLiteral("Plik jest niekompletny albo uszkodzony: błąd składni JSON około bajtu %1.")
            .arg(result.Offset());
    }
}

}

QString CancelledMessage()
{
    return QStringLiteral("Wczytywanie przerwano.");
}

std::variant<FlatFileSummary, QString> ReadFlatFile(const QString &path, FlatFileSink &sink, ReadProgress *progress)
{
    ArchiveStream stream;
    if (QString failure = stream.open(path); !failure.isEmpty())
        return failure;
    Handler handler(sink, stream, progress);
    rapidjson::Reader reader;
    // Iterative: a file nested thousands of levels deep must not exhaust the stack.
    const rapidjson::ParseResult result = reader.Parse<rapidjson::kParseIterativeFlag>(stream, handler);
    if (progress)
        progress->fileBytesRead = stream.fileBytesRead();
    if (!stream.failure().isEmpty())
        return stream.failure();
    if (!handler.failure().isEmpty())
        return handler.failure();
    if (result.IsError())
        return syntaxMessage(result);
    // RapidJSON takes a NUL byte for the end of its input: whatever follows one is still
    // part of the file, and a file with more after the list is no list.
    if (!stream.atEnd())
        return QStringLiteral("Po końcu wykazu plik zawiera jeszcze coś (bajt %1).").arg(stream.Tell());
    if (QString missing = handler.missing(); !missing.isEmpty())
        return missing;
    return handler.summary();
}
