#include "KsefNumberSources.h"

#include "KsefNumber.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

namespace {

// Why a number found is not used, or nothing when it is.
QString refusal(const QString &number, const QString &sellerNip)
{
    if (!IsValidKsefNumber(number))
        return QStringLiteral("numer KSeF „%1” jest nieprawidłowy");
    if (KsefNumberNip(number) != sellerNip)
        return QStringLiteral("numer KSeF „%1” nie zaczyna się od NIP sprzedawcy");
    return QString();
}

}

QString KsefNumberSources::Hash(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toBase64());
}

bool KsefNumberSources::addMetadata(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object().value(QLatin1String("invoices")).isArray())
        return false;
    for (const QJsonValue &value : document.object().value(QLatin1String("invoices")).toArray()) {
        const QJsonObject invoice = value.toObject();
        metadata_.append({invoice.value(QLatin1String("ksefNumber")).toString(),
                          invoice.value(QLatin1String("invoiceNumber")).toString(),
                          invoice.value(QLatin1String("invoiceHash")).toString(),
                          invoice.value(QLatin1String("seller")).toObject().value(QLatin1String("nip")).toString()});
    }
    return true;
}

bool KsefNumberSources::addReceipt(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    QList<Entry> found;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.tokenType() == QXmlStreamReader::DTD || reader.tokenType() == QXmlStreamReader::EntityReference)
            return false;
        if (!reader.isStartElement())
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("Dokument")) {
            found.append(Entry{});
        } else if (!found.isEmpty()) {
            QString Entry::*field = name == QLatin1String("NumerKSeFDokumentu") ? &Entry::ksefNumber
                                  : name == QLatin1String("NumerFaktury")       ? &Entry::invoiceNumber
                                  : name == QLatin1String("SkrotDokumentu")     ? &Entry::hash
                                  : name == QLatin1String("NipSprzedawcy")      ? &Entry::sellerNip
                                                                                : nullptr;
            if (field)
                found.last().*field = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        }
    }
    if (reader.hasError() || found.isEmpty())
        return false;
    receipts_ += found;
    return true;
}

const KsefNumberSources::Entry *KsefNumberSources::match(const QList<Entry> &entries, const QString &hash,
                                                         const QString &sellerNip, const QString &invoiceNumber)
{
    for (const Entry &entry : entries)
        if (entry.hash == hash)
            return &entry;
    for (const Entry &entry : entries)
        if (entry.sellerNip.trimmed() == sellerNip && entry.invoiceNumber.trimmed() == invoiceNumber)
            return &entry;
    return nullptr;
}

KsefNumberSources::Found KsefNumberSources::find(const QByteArray &invoiceBytes, const QString &fileName,
                                                 const QString &sellerNip, const QString &invoiceNumber) const
{
    Found found;
    // Without metadata or receipts, as for files named one by one, the hash is not needed.
    const QString hash = metadata_.isEmpty() && receipts_.isEmpty() ? QString() : Hash(invoiceBytes);
    const auto tried = [&](const QString &number, const QString &source) {
        const QString why = refusal(number, sellerNip);
        if (why.isEmpty())
            found.number = number;
        else
            found.notes << (why.arg(number) + QStringLiteral(" (%1)").arg(source));
        return why.isEmpty();
    };
    if (const Entry *entry = match(metadata_, hash, sellerNip, invoiceNumber);
        entry && tried(entry->ksefNumber, QStringLiteral("_metadata.json")))
        return found;
    if (const Entry *entry = match(receipts_, hash, sellerNip, invoiceNumber);
        entry && tried(entry->ksefNumber, QStringLiteral("UPO")))
        return found;
    const QString name = QFileInfo(fileName).completeBaseName();
    if (name.size() == 35 || name.size() == 36)
        tried(name, QStringLiteral("nazwa pliku"));
    return found;
}
