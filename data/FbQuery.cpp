#include "FbQuery.h"

#include "Cp1250.h"
#include "FbConnection.h"
#include "Money.h"
#include "NamedParams.h"
#include "UnreadableValue.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstring>
#include <limits>
#include <optional>

namespace {

constexpr unsigned TypeMask = ~1u;

qint64 pow10(int exponent)
{
    qint64 value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// A Money value (four decimals) as the integer of a column scaled by 10^scale (scale <= 0),
// rounded half away from zero when the column keeps fewer decimals; nothing when the
// integer would not fit in 64 bits.
std::optional<qint64> moneyToScaled(const Money &money, int scale)
{
    const int decimals = -scale;
    if (decimals >= 4) {
        qint64 scaled = 0;
        if (__builtin_mul_overflow(money.raw(), pow10(decimals - 4), &scaled))
            return std::nullopt;
        return scaled;
    }
    const qint64 divisor = pow10(4 - decimals);
    const qint64 raw = money.raw();
    // On the unsigned magnitude, so that the most negative amount does not overflow.
    const quint64 magnitude = raw < 0 ? 0 - quint64(raw) : quint64(raw);
    const quint64 rounded = (magnitude + quint64(divisor) / 2) / quint64(divisor);
    return raw < 0 ? -qint64(rounded) : qint64(rounded);
}

// Nothing when the column holds a number a Money cannot (more than 922 337 203 685 477 in whole units).
std::optional<Money> scaledToMoney(qint64 value, int scale)
{
    const int decimals = -scale;
    if (decimals > 4)
        return Money::fromRaw(value / pow10(decimals - 4));
    qint64 raw = 0;
    if (__builtin_mul_overflow(value, pow10(4 - decimals), &raw))
        return std::nullopt;
    return Money::fromRaw(raw);
}

// A scaled integer as the database holds it, "-12345678901234567,89" for scale -2.
QString scaledText(qint64 value, int scale)
{
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude).rightJustified(1 - scale, u'0');
    if (scale < 0)
        digits.insert(digits.size() + scale, u',');
    return value < 0 ? u'-' + digits : digits;
}

// The range of the integer column a parameter goes into.
bool fitsColumn(qint64 number, unsigned type)
{
    if (type == SQL_SHORT)
        return number >= std::numeric_limits<qint16>::min() && number <= std::numeric_limits<qint16>::max();
    if (type == SQL_LONG)
        return number >= std::numeric_limits<qint32>::min() && number <= std::numeric_limits<qint32>::max();
    return true;
}

// An invalid date or time stands for "no value": stored as NULL, never as year 0.
bool isEmptyDate(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDate>())
        return !value.toDate().isValid();
    if (value.metaType() == QMetaType::fromType<QDateTime>())
        return !value.toDateTime().isValid();
    return false;
}

template <typename T>
void put(unsigned char *at, T value)
{
    std::memcpy(at, &value, sizeof value);
}

template <typename T>
T get(const unsigned char *at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

QByteArray encodeText(const QString &name, const QString &text)
{
    const qsizetype bad = Cp1250::firstUnheld(text);
    if (bad >= 0)
        throw FbError(QStringLiteral("Pole %1 zawiera znak „%2”, którego nie można zapisać w bazie "
                                     "danych (strona kodowa Windows-1250). Należy go usunąć lub zastąpić.")
                          .arg(name, text.mid(bad, text.at(bad).isHighSurrogate() ? 2 : 1)));
    return Cp1250::encode(text);
}

bool isText(unsigned type)
{
    return type == SQL_TEXT || type == SQL_VARYING;
}

// The date and time as they read, never moved through the local time zone: a stored
// time that falls into a daylight-saving gap is still a time the user meant.
ISC_TIMESTAMP toTimestamp(const QDate &date, const QTime &time)
{
    ISC_TIMESTAMP stamp;
    stamp.timestamp_date = FbApi::util()->encodeDate(date.year(), date.month(), date.day());
    stamp.timestamp_time = FbApi::util()->encodeTime(time.hour(), time.minute(), time.second(), time.msec() * 10);
    return stamp;
}

QDate fromIscDate(ISC_DATE value)
{
    unsigned year = 0, month = 0, day = 0;
    FbApi::util()->decodeDate(value, &year, &month, &day);
    return QDate(int(year), int(month), int(day));
}

QTime fromIscTime(ISC_TIME value)
{
    unsigned hours = 0, minutes = 0, seconds = 0, fractions = 0;
    FbApi::util()->decodeTime(value, &hours, &minutes, &seconds, &fractions);
    return QTime(int(hours), int(minutes), int(seconds), int(fractions / 10));
}

}

FbQuery::FbQuery(FbTransaction &transaction) : transaction_(transaction)
{
    transaction_.addUser(this);
}

FbQuery::~FbQuery()
{
    transaction_.removeUser(this);
    close();
    unprepare();
}

void FbQuery::setSql(const QString &sql)
{
    close();
    unprepare();
    sql_ = sql;
    const PositionalSql positional = ToPositionalSql(sql);
    positionNames_ = positional.names;
    preparedSql_ = encodeText(QStringLiteral("SQL"), positional.sql);
}

QStringList FbQuery::paramNames() const
{
    QStringList names;
    for (const QString &name : positionNames_)
        if (!names.contains(name))
            names.append(name);
    return names;
}

void FbQuery::setParam(const QString &name, const QVariant &value)
{
    params_.insert(name.toUpper(), value);
}

QVariant FbQuery::param(const QString &name) const
{
    return params_.value(name.toUpper());
}

QVariant FbQuery::output(const QString &name) const
{
    return outputs_.value(name.toUpper());
}

void FbQuery::unprepare()
{
    if (outMeta_) {
        outMeta_->release();
        outMeta_ = nullptr;
    }
    if (statement_) {
        FbApi::Status status;
        statement_->free(&status);
        if (status.failed())
            statement_->release();
        statement_ = nullptr;
    }
    columns_.clear();
    layout_.clear();
}

void FbQuery::prepare()
{
    if (statement_)
        return;
    if (sql_.isEmpty())
        throw FbError(QStringLiteral("Brak treści zapytania."));
    Firebird::IAttachment *attachment = transaction_.connection().attachment();
    FbApi::Status status;
    Firebird::IStatement *statement = attachment->prepare(
        &status, transaction_.handle(), unsigned(preparedSql_.size()), preparedSql_.constData(),
        FbConnection::Dialect, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    status.check();
    statement_ = statement;
    outMeta_ = statement_->getOutputMetadata(&status);
    status.check();
    outBuffer_ = QByteArray(int(outMeta_->getMessageLength(&status)), '\0');
    const unsigned count = outMeta_->getCount(&status);
    for (unsigned i = 0; i < count; ++i)
        columns_.append(QString::fromUtf8(outMeta_->getAlias(&status, i)).toUpper());
    status.check();
    buildLayout();
}

QStringList FbQuery::columnNames()
{
    prepare();
    return columns_;
}

FbQuery::Input FbQuery::prepareInput()
{
    transaction_.ensureActive();
    prepare();
    FbApi::Status status;
    const FbApi::Ref<Firebird::IMessageMetadata> original(statement_->getInputMetadata(&status));
    status.check();
    const unsigned count = original->getCount(&status);

    // Texts travel as VARCHAR of their own length, so the database itself judges
    // whether they fit the column and answers with its own message.
    QVector<QByteArray> texts;
    texts.resize(qsizetype(count));
    const FbApi::Ref<Firebird::IMetadataBuilder> builder(original->getBuilder(&status));
    status.check();
    for (unsigned i = 0; i < count; ++i) {
        const unsigned type = original->getType(&status, i) & TypeMask;
        const QString &name = positionNames_.value(int(i));
        const QVariant value = params_.value(name);
        if (isText(type) && value.isValid()) {
            texts[int(i)] = encodeText(name, value.toString());
            builder->setType(&status, i, SQL_VARYING + 1);
            builder->setLength(&status, i, unsigned(qMax<qsizetype>(1, texts[int(i)].size())));
        }
    }
    Input input;
    input.metadata.reset(builder->getMetadata(&status));
    status.check();
    Firebird::IMessageMetadata *metadata = input.metadata.get();
    input.buffer = QByteArray(int(metadata->getMessageLength(&status)), '\0');
    auto *data = reinterpret_cast<unsigned char *>(input.buffer.data());
    for (unsigned i = 0; i < count; ++i) {
        const QString &name = positionNames_.value(int(i));
        QVariant value = params_.value(name);
        const unsigned type = metadata->getType(&status, i) & TypeMask;
        const int scale = metadata->getScale(&status, i);
        unsigned char *at = data + metadata->getOffset(&status, i);
        if (isEmptyDate(value))
            value = QVariant();
        if (IsUnreadable(value))
            throw FbError(QStringLiteral("Pole %1: wartości, której nie udało się odczytać z bazy danych, nie można "
                                         "zapisać z powrotem.").arg(name));
        put<short>(data + metadata->getNullOffset(&status, i), value.isValid() ? 0 : -1);
        if (!value.isValid())
            continue;
        switch (type) {
        case SQL_VARYING: {
            const QByteArray &bytes = texts[int(i)];
            put<unsigned short>(at, static_cast<unsigned short>(bytes.size()));
            std::memcpy(at + sizeof(unsigned short), bytes.constData(), size_t(bytes.size()));
            break;
        }
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64: {
            qint64 number = 0;
            if (scale < 0 || value.metaType() == QMetaType::fromType<Money>()) {
                Money money;
                if (value.metaType() == QMetaType::fromType<Money>())
                    money = value.value<Money>();
                else if (!Money::parse(value.toString(), money))
                    throw FbError(QStringLiteral("Pole %1: nieprawidłowa kwota „%2”.").arg(name, value.toString()));
                const std::optional<qint64> scaled = moneyToScaled(money, scale);
                if (!scaled || !fitsColumn(*scaled, type))
                    throw FbError(QStringLiteral("Pole %1: kwota %2 jest za duża, by zapisać ją w bazie danych.")
                                      .arg(name, money.toPlainString(4)));
                number = *scaled;
            } else {
                bool ok = false;
                number = value.toLongLong(&ok);
                if (!ok)
                    throw FbError(QStringLiteral("Pole %1: nieprawidłowa liczba „%2”.").arg(name, value.toString()));
                if (!fitsColumn(number, type))
                    throw FbError(QStringLiteral("Pole %1: liczba %2 jest poza zakresem, który można zapisać w bazie danych.")
                                      .arg(name).arg(number));
            }
            if (type == SQL_SHORT)
                put<qint16>(at, static_cast<qint16>(number));
            else if (type == SQL_LONG)
                put<qint32>(at, static_cast<qint32>(number));
            else
                put<qint64>(at, number);
            break;
        }
        case SQL_TIMESTAMP: {
            const bool dateOnly = value.metaType() == QMetaType::fromType<QDate>();
            const QDateTime stamp = value.toDateTime();
            put<ISC_TIMESTAMP>(at, dateOnly ? toTimestamp(value.toDate(), QTime(0, 0))
                                            : toTimestamp(stamp.date(), stamp.time()));
            break;
        }
        case SQL_TYPE_DATE: {
            const QDate date = value.metaType() == QMetaType::fromType<QDateTime>()
                ? value.toDateTime().date() : value.toDate();
            put<ISC_DATE>(at, FbApi::util()->encodeDate(date.year(), date.month(), date.day()));
            break;
        }
        case SQL_BLOB: {
            const QByteArray bytes = encodeText(name, value.toString());
            ISC_QUAD id;
            FbApi::Ref<Firebird::IBlob> blob(transaction_.connection().attachment()->createBlob(
                &status, transaction_.handle(), &id, 0, nullptr));
            status.check();
            for (qsizetype offset = 0; offset < bytes.size(); offset += 32000) {
                const qsizetype length = qMin<qsizetype>(32000, bytes.size() - offset);
                blob->putSegment(&status, unsigned(length), bytes.constData() + offset);
                status.check();
            }
            blob->close(&status);
            status.check();
            blob.release(); // a closed blob has released itself
            put<ISC_QUAD>(at, id);
            break;
        }
        default:
            throw FbError(QStringLiteral("Pole %1: nieobsługiwany typ parametru (%2).").arg(name).arg(type));
        }
    }
    status.check();
    return input;
}

namespace {

constexpr char NullMarker = 0;
constexpr char PresentMarker = 1;
// An amount beyond a Money: the column's scaled integer follows in place of the Money.
constexpr char UnreadableMarker = 2;

template <typename T>
void append(QByteArray &out, T value)
{
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void appendText(QByteArray &out, const char *bytes, size_t length)
{
    append<quint32>(out, quint32(length));
    out.append(bytes, qsizetype(length));
}

// The bytes a present value of the kind takes after its marker, text taking its length from the row.
size_t payloadSize(FbQuery::Kind kind, const char *at)
{
    switch (kind) {
    case FbQuery::Kind::Text: return sizeof(quint32) + get<quint32>(reinterpret_cast<const unsigned char *>(at));
    case FbQuery::Kind::Int32:
    case FbQuery::Kind::Date:
    case FbQuery::Kind::Time: return 4;
    case FbQuery::Kind::Int64:
    case FbQuery::Kind::Money:
    case FbQuery::Kind::Timestamp: return 8;
    case FbQuery::Kind::Boolean: return 1;
    }
    return 0;
}

}

void FbQuery::buildLayout()
{
    FbApi::Status status;
    const unsigned count = outMeta_->getCount(&status);
    layout_.clear();
    for (unsigned i = 0; i < count; ++i) {
        Column column;
        column.type = outMeta_->getType(&status, i) & TypeMask;
        column.scale = outMeta_->getScale(&status, i);
        column.length = outMeta_->getLength(&status, i);
        column.offset = outMeta_->getOffset(&status, i);
        column.nullOffset = outMeta_->getNullOffset(&status, i);
        switch (column.type) {
        case SQL_TEXT:
        case SQL_VARYING:
        case SQL_BLOB: column.kind = Kind::Text; break;
        case SQL_SHORT:
        case SQL_LONG: column.kind = column.scale < 0 ? Kind::Money : Kind::Int32; break;
        case SQL_INT64: column.kind = column.scale < 0 ? Kind::Money : Kind::Int64; break;
        case SQL_TIMESTAMP: column.kind = Kind::Timestamp; break;
        case SQL_TYPE_DATE: column.kind = Kind::Date; break;
        case SQL_TYPE_TIME: column.kind = Kind::Time; break;
        case SQL_BOOLEAN: column.kind = Kind::Boolean; break;
        default:
            throw FbError(QStringLiteral("Kolumna %1: nieobsługiwany typ danych (%2).").arg(columns_.value(int(i))).arg(column.type));
        }
        layout_.push_back(column);
    }
    status.check();
}

void FbQuery::pack(const unsigned char *buffer, QByteArray &out)
{
    for (size_t i = 0; i < layout_.size(); ++i) {
        const Column &column = layout_[i];
        if (get<short>(buffer + column.nullOffset) != 0) {
            out.append(NullMarker);
            continue;
        }
        out.append(PresentMarker);
        const unsigned char *at = buffer + column.offset;
        switch (column.type) {
        case SQL_TEXT: {
            // CHAR columns come padded with blanks; the value is what was stored.
            size_t length = column.length;
            while (length > 0 && at[length - 1] == ' ')
                --length;
            appendText(out, reinterpret_cast<const char *>(at), length);
            break;
        }
        case SQL_VARYING:
            appendText(out, reinterpret_cast<const char *>(at + 2), get<unsigned short>(at));
            break;
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64: {
            const qint64 number = column.type == SQL_SHORT ? get<qint16>(at)
                : column.type == SQL_LONG ? get<qint32>(at) : get<qint64>(at);
            if (column.kind == Kind::Money) {
                const std::optional<Money> money = scaledToMoney(number, column.scale);
                if (!money)
                    out[out.size() - 1] = UnreadableMarker; // the number as stored follows
                append<qint64>(out, money ? money->raw() : number);
            } else if (column.kind == Kind::Int64) {
                append<qint64>(out, number);
            } else {
                append<qint32>(out, qint32(number));
            }
            break;
        }
        case SQL_TIMESTAMP: append(out, get<ISC_TIMESTAMP>(at)); break;
        case SQL_TYPE_DATE: append(out, get<ISC_DATE>(at)); break;
        case SQL_TYPE_TIME: append(out, get<ISC_TIME>(at)); break;
        case SQL_BOOLEAN: out.append(char(*at != 0)); break;
        case SQL_BLOB: {
            // The blob can be read only inside the transaction: its text is kept with the row.
            FbApi::Status status;
            ISC_QUAD id = get<ISC_QUAD>(at);
            Firebird::IBlob *blob = transaction_.connection().attachment()->openBlob(
                &status, transaction_.handle(), &id, 0, nullptr);
            status.check();
            QByteArray bytes;
            char chunk[16384];
            for (;;) {
                unsigned got = 0;
                const int result = blob->getSegment(&status, sizeof chunk, chunk, &got);
                if (result != Firebird::IStatus::RESULT_OK && result != Firebird::IStatus::RESULT_SEGMENT)
                    break;
                bytes.append(chunk, int(got));
            }
            FbApi::Status closeStatus;
            blob->close(&closeStatus);
            if (closeStatus.failed())
                blob->release(); // one that did not close still holds its reference; what was read is whole
            status.check();
            appendText(out, bytes.constData(), size_t(bytes.size()));
            break;
        }
        }
    }
}

QVariant FbQuery::unpack(const char *packed, const Layout &layout, int column)
{
    if (column < 0 || size_t(column) >= layout.size())
        return {};
    const char *at = packed;
    for (int i = 0; i < column; ++i) {
        const bool present = *at++ != NullMarker;
        if (present)
            at += payloadSize(layout[size_t(i)].kind, at);
    }
    const char marker = *at++;
    if (marker == NullMarker)
        return {};
    const auto *bytes = reinterpret_cast<const unsigned char *>(at);
    if (marker == UnreadableMarker) {
        const QString stored = scaledText(get<qint64>(bytes), layout[size_t(column)].scale);
        return QVariant::fromValue(UnreadableValue{
            .stored = stored,
            .reason = QStringLiteral("kwota %1 zapisana w bazie danych jest większa, niż program potrafi odczytać").arg(stored),
        });
    }
    switch (layout[size_t(column)].kind) {
    case Kind::Text: return Cp1250::decode(at + sizeof(quint32), get<quint32>(bytes));
    case Kind::Int32: return QVariant(int(get<qint32>(bytes)));
    case Kind::Int64: return QVariant::fromValue<qint64>(get<qint64>(bytes));
    case Kind::Money: return QVariant::fromValue(Money::fromRaw(get<qint64>(bytes)));
    case Kind::Timestamp: {
        const auto stamp = get<ISC_TIMESTAMP>(bytes);
        // In UTC only because Qt has no zone-less time: the fields are as stored.
        return QDateTime(fromIscDate(stamp.timestamp_date), fromIscTime(stamp.timestamp_time), Qt::UTC);
    }
    case Kind::Date: return fromIscDate(get<ISC_DATE>(bytes));
    case Kind::Time: return fromIscTime(get<ISC_TIME>(bytes));
    case Kind::Boolean: return QVariant(bool(*bytes));
    }
    return {};
}

QVector<QVariant> FbQuery::readRow(const unsigned char *buffer)
{
    QByteArray packed;
    pack(buffer, packed);
    QVector<QVariant> row;
    row.reserve(qsizetype(layout_.size()));
    for (int i = 0; i < int(layout_.size()); ++i)
        row.append(unpack(packed.constData(), layout_, i));
    return row;
}

void FbQuery::execute()
{
    close();
    Input input = prepareInput();
    FbApi::Status status;
    const bool hasOutput = outMeta_->getCount(&status) > 0;
    statement_->execute(&status, transaction_.handle(), input.metadata.get(), input.data(),
                        hasOutput ? outMeta_ : nullptr, hasOutput ? outBuffer_.data() : nullptr);
    status.check();
    affectedRows_ = qint64(statement_->getAffectedRecords(&status));
    status.check();
    outputs_.clear();
    if (hasOutput) {
        const QVector<QVariant> values = readRow(reinterpret_cast<const unsigned char *>(outBuffer_.constData()));
        for (int i = 0; i < values.size(); ++i)
            outputs_.insert(columns_.value(i), values.at(i));
    }
}

void FbQuery::open()
{
    close();
    Input input = prepareInput();
    FbApi::Status status;
    Firebird::IResultSet *cursor = statement_->openCursor(
        &status, transaction_.handle(), input.metadata.get(), input.data(), outMeta_, 0);
    status.check();
    cursor_ = cursor;
}

bool FbQuery::fetchNext()
{
    if (!cursor_)
        return false;
    FbApi::Status status;
    const int result = cursor_->fetchNext(&status, outBuffer_.data());
    status.check();
    if (result != Firebird::IStatus::RESULT_OK) {
        close();
        return false;
    }
    return true;
}

bool FbQuery::fetch(QVector<QVariant> &row)
{
    if (!fetchNext())
        return false;
    row = readRow(reinterpret_cast<const unsigned char *>(outBuffer_.constData()));
    return true;
}

bool FbQuery::fetchPacked(QByteArray &out)
{
    if (!fetchNext())
        return false;
    pack(reinterpret_cast<const unsigned char *>(outBuffer_.constData()), out);
    return true;
}

void FbQuery::close()
{
    if (!cursor_)
        return;
    FbApi::Status status;
    cursor_->close(&status);
    if (status.failed())
        cursor_->release();
    cursor_ = nullptr;
}
