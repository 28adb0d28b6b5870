#include "FbError.h"

namespace {

// Another transaction holds or has just committed a change of the same row: the
// engine's deadlock, update conflict, no-wait lock conflict, concurrent transaction
// and the end of a bounded lock wait.
constexpr long ConflictCodes[] = {335544336, 335544451, 335544345, 335544878, 335544510};

// The attachment is gone: shut down or killed, the server stopped, the network lost.
constexpr long ConnectionLostCodes[] = {335544856, 335544721, 335544726, 335544727, 335544741,
                                        335544648, 335544528, 335544971, 335544324};

template <size_t N>
bool anyOf(const QVector<long> &codes, const long (&known)[N])
{
    for (const long code : known)
        if (codes.contains(code))
            return true;
    return false;
}

FbError::Kind kindOf(const QVector<long> &codes)
{
    // A lost connection outweighs whatever the statement was doing when it went.
    if (anyOf(codes, ConnectionLostCodes))
        return FbError::Kind::ConnectionLost;
    if (anyOf(codes, ConflictCodes))
        return FbError::Kind::Conflict;
    return FbError::Kind::Other;
}

}

const QString &FbError::ConflictMessage()
{
    static const QString text = QStringLiteral(
        "Inny użytkownik zmienił lub właśnie zmienia tę samą pozycję. Spróbuj ponownie za chwilę.");
    return text;
}

const QString &FbError::ConnectionLostMessage()
{
    static const QString text = QStringLiteral(
        "Połączenie z bazą danych zostało przerwane: serwer baz danych został zatrzymany albo połączenie "
        "zamknięto.\r\rZmiany, które nie zostały jeszcze zapisane w bazie, przepadły. Program zostanie zamknięty.");
    return text;
}

const QString &FbError::UnansweredCommitMessage()
{
    static const QString text = QStringLiteral(
        "Połączenie z bazą danych zostało przerwane w trakcie zapisywania ostatniej zmiany, zanim serwer "
        "potwierdził jej zapisanie.\r\rOstatnia zmiana mogła zostać zapisana albo nie. Po ponownym uruchomieniu "
        "programu sprawdź, czy jest w bazie, zanim wprowadzisz ją jeszcze raz (przelew wprowadzony dwukrotnie "
        "może zostać zapłacony dwa razy). Program zostanie zamknięty.");
    return text;
}

const QString &FbError::OpenElsewhereMessage()
{
    static const QString text = QStringLiteral(
        "Plik bazy danych jest otwarty przez inny program, np. przez Zanderol innego użytkownika "
        "tego komputera albo uruchomiony po raz drugi. Plik bazy może mieć otwarty tylko jeden program "
        "naraz; z jednej bazy kilka osób korzysta przez serwer Firebird.");
    return text;
}

FbError FbError::forCommit() const
{
    // Whether the commit reached the server before the connection went, the client
    // cannot tell: only the server knows, and it is the one that did not answer.
    if (!isConnectionLost())
        return *this;
    FbError told = *this;
    told.message_ = UnansweredCommitMessage();
    return told;
}

FbError::FbError(const QString &message, QVector<long> codes)
    : std::runtime_error(message.toStdString()), databaseMessage_(message), codes_(std::move(codes)),
      kind_(kindOf(codes_))
{
    switch (kind_) {
    case Kind::Conflict: message_ = ConflictMessage(); break;
    case Kind::ConnectionLost: message_ = ConnectionLostMessage(); break;
    case Kind::Other: message_ = hasCode(AlreadyOpened) ? OpenElsewhereMessage() : message; break;
    }
}
