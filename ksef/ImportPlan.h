#pragma once

#include "ImportFiles.h"
#include "OrderDraft.h"

#include <QHash>
#include <QSet>
#include <optional>

// A contractor an invoice's seller becomes, where none has the seller's NIP.
struct NewContractor
{
    QString name, name1, name2, account, nip;   // nip as "XXX-XXX-XX-XX"
};

// What one invoice file becomes: an order, or the reason it is skipped. The draft is
// kept for a duplicate or a missing sender, which the user may still decide on.
struct PlannedInvoice
{
    QString file;
    QString sellerNip, invoiceNumber;
    QString ksefNumber;
    QStringList ksefNotes;
    std::optional<OrderDraft> draft;
    qint32 senderId = 0;
    QString senderName1, senderName2, senderAccount;
    qint32 recipientId = 0;                       // 0 with a new contractor
    std::optional<NewContractor> newRecipient;
    QString duplicateOf;                          // the order or file it repeats
    QString reason;                               // empty when it becomes an order

    bool becomesOrder() const { return reason.isEmpty(); }
};

// Plans an import against the contractors and orders stored when it was made; an
// invoice is a duplicate also of one planned earlier by the same planner.
class ImportPlanner
{
public:
    // Reads the contractors and the invoices' keys of the stored orders.
    ImportPlanner();

    // The sender, when the buyer's NIP names no contractor, is chosenSender (0: none);
    // a KSeF number typed by the user replaces those the sources give.
    PlannedInvoice plan(const InvoiceFile &file, qint32 chosenSender, const QString &typedKsefNumber = QString());

    bool hasContractor(qint32 id) const;

private:
    struct Contractor
    {
        qint32 id = 0;
        QString name, name1Sender, name2Sender, account, nipDigits;
    };
    const Contractor *byNip(const QString &nip) const;
    const Contractor *byId(qint32 id) const;
    void fillSender(PlannedInvoice &planned, qint32 chosenSender) const;
    void fillRecipient(PlannedInvoice &planned);
    QString duplicate(const PlannedInvoice &planned) const;

    QList<Contractor> contractors_;
    QSet<QString> takenNames_;                     // lower case
    QHash<QString, NewContractor> newByNip_;
    // Stored invoices' keys, and those planned so far, with what to say of them.
    QHash<QString, QString> storedByKsef_, storedByNumber_, plannedByKsef_, plannedByNumber_;
};
