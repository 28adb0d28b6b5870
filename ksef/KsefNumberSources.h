#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where the KSeF number of an invoice file is found: KSeF's _metadata.json of an export
// package, its receipts (UPO), and the file's own name, asked in that order.
class KsefNumberSources
{
public:
    // False, with nothing taken, when the text is no metadata object or receipt.
    bool addMetadata(const QByteArray &json);
    bool addReceipt(const QByteArray &xml);

    struct Found
    {
        QString number;      // empty when no source gave a usable one
        QStringList notes;   // numbers found but not used, and why
    };
    // A source's entry is matched by the file's SHA-256, else by the seller's NIP and the
    // invoice number; its number is used only when valid and beginning with that NIP.
    Found find(const QByteArray &invoiceBytes, const QString &fileName, const QString &sellerNip,
               const QString &invoiceNumber) const;

    // Base64 of the SHA-256 of the bytes, as KSeF writes a document's hash.
    static QString Hash(const QByteArray &bytes);

private:
    struct Entry
    {
        QString ksefNumber, invoiceNumber, hash, sellerNip;
    };
    static const Entry *match(const QList<Entry> &entries, const QString &hash, const QString &sellerNip,
                              const QString &invoiceNumber);

    QList<Entry> metadata_, receipts_;
};
