#include "ImportPlan.h"

#include "FDM.h"
#include "FbQuery.h"
#include "Globals.h"
#include "TextFit.h"

#include <QDateTime>

namespace {

constexpr qsizetype NameWidth = 50;

QString numberKey(const QString &sellerNip, const QString &invoiceNumber)
{
    return sellerNip + u'\n' + invoiceNumber;
}

QString writtenNip(const QString &digits)
{
    return QStringLiteral("%1-%2-%3-%4").arg(digits.left(3), digits.mid(3, 3), digits.mid(6, 2), digits.mid(8, 2));
}

// Every row of a select, read in a read-only moment of its own.
QList<QVector<QVariant>> rowsOf(const QString &sql)
{
    FbTransaction transaction(DM->Baza);
    transaction.setDescription(QStringLiteral("import faktur KSeF"));
    FbQuery query(transaction);
    query.setSql(sql);
    transaction.start();
    QList<QVector<QVariant>> rows;
    try {
        query.open();
        QVector<QVariant> row;
        while (query.fetch(row))
            rows << row;
    } catch (...) {
        transaction.rollback();
        throw;
    }
    transaction.commit();
    return rows;
}

}

ImportPlanner::ImportPlanner()
{
    for (const auto &row : rowsOf(QStringLiteral("select ADRESATID, NAZWA, NAZWA1_NAD, NAZWA2_NAD, KONTO, NIP\n"
                                                 "from ADRESACI\norder by ADRESATID"))) {
        contractors_.append({row[0].toInt(), row[1].toString(), row[2].toString(), row[3].toString(),
                             row[4].toString(), DigitsOnly(row[5].toString())});
        takenNames_.insert(row[1].toString().toLower());
    }
    for (const auto &row : rowsOf(QStringLiteral("select PRZELEWID, DATA_WPR, NR_KSEF, NIP_ODB, NR_FAKTURY\n"
                                                 "from ZWYKLE\nwhere NR_KSEF is not null or NR_FAKTURY is not null"))) {
        const QString order = QStringLiteral("przelew nr %1 z dnia %2")
                                  .arg(row[0].toInt())
                                  .arg(row[1].toDateTime().date().toString(QStringLiteral("dd.MM.yyyy")));
        if (!row[2].toString().isEmpty())
            storedByKsef_.insert(row[2].toString(), order);
        if (!row[4].toString().isEmpty())
            storedByNumber_.insert(numberKey(row[3].toString(), row[4].toString()), order);
    }
}

const ImportPlanner::Contractor *ImportPlanner::byNip(const QString &nip) const
{
    if (nip.isEmpty())
        return nullptr;
    for (const Contractor &contractor : contractors_)
        if (contractor.nipDigits == nip)
            return &contractor;
    return nullptr;
}

const ImportPlanner::Contractor *ImportPlanner::byId(qint32 id) const
{
    for (const Contractor &contractor : contractors_)
        if (contractor.id == id)
            return &contractor;
    return nullptr;
}

bool ImportPlanner::hasContractor(qint32 id) const
{
    return byId(id) != nullptr;
}

void ImportPlanner::fillSender(PlannedInvoice &planned, qint32 chosenSender) const
{
    const Contractor *sender = byNip(planned.draft->buyerNip);
    if (!sender)
        sender = byId(chosenSender);
    if (!sender)
        return;
    planned.senderId = sender->id;
    planned.senderName1 = sender->name1Sender;
    planned.senderName2 = sender->name2Sender;
    planned.senderAccount = DigitsOnly(sender->account);
}

void ImportPlanner::fillRecipient(PlannedInvoice &planned)
{
    const OrderDraft &draft = *planned.draft;
    if (const Contractor *seller = byNip(draft.sellerNip)) {
        planned.recipientId = seller->id;
        return;
    }
    if (const auto known = newByNip_.constFind(draft.sellerNip); known != newByNip_.constEnd()) {
        planned.newRecipient = *known;
        return;
    }
    NewContractor added{draft.recipientName, draft.recipientName, draft.recipientAddress, draft.account,
                        writtenNip(draft.sellerNip)};
    if (takenNames_.contains(added.name.toLower())) {
        const QString suffix = QStringLiteral(" (%1)").arg(added.nip);
        added.name = FitText(draft.recipientName, NameWidth - suffix.size()) + suffix;
    }
    takenNames_.insert(added.name.toLower());
    newByNip_.insert(draft.sellerNip, added);
    planned.newRecipient = added;
}

QString ImportPlanner::duplicate(const PlannedInvoice &planned) const
{
    const QString key = numberKey(planned.sellerNip, planned.invoiceNumber);
    if (!planned.ksefNumber.isEmpty() && storedByKsef_.contains(planned.ksefNumber))
        return storedByKsef_.value(planned.ksefNumber);
    if (storedByNumber_.contains(key))
        return storedByNumber_.value(key);
    if (!planned.ksefNumber.isEmpty() && plannedByKsef_.contains(planned.ksefNumber))
        return plannedByKsef_.value(planned.ksefNumber);
    return plannedByNumber_.value(key);
}

PlannedInvoice ImportPlanner::plan(const InvoiceFile &file, qint32 chosenSender, const QString &typedKsefNumber)
{
    PlannedInvoice planned;
    planned.file = file.name;
    if (!file.problem.isEmpty()) {
        planned.reason = file.problem;
        return planned;
    }
    const auto invoice = ReadInvoice(file.bytes);
    if (const QString *reason = std::get_if<QString>(&invoice)) {
        planned.reason = *reason;
        return planned;
    }
    auto drafted = DraftOrder(std::get<Invoice>(invoice));
    if (const QString *reason = std::get_if<QString>(&drafted)) {
        planned.reason = *reason;
        return planned;
    }
    planned.draft = std::get<OrderDraft>(drafted);
    planned.sellerNip = planned.draft->sellerNip;
    planned.invoiceNumber = planned.draft->invoiceNumber;
    if (!typedKsefNumber.isEmpty()) {
        planned.ksefNumber = typedKsefNumber;
    } else if (file.numbers) {
        const auto found = file.numbers->find(file.bytes, file.fileName, planned.sellerNip, planned.invoiceNumber);
        planned.ksefNumber = found.number;
        planned.ksefNotes = found.notes;
    }
    fillSender(planned, chosenSender);
    fillRecipient(planned);

    planned.duplicateOf = duplicate(planned);
    const QString here = QStringLiteral("plik %1").arg(file.name);
    if (!planned.ksefNumber.isEmpty() && !plannedByKsef_.contains(planned.ksefNumber))
        plannedByKsef_.insert(planned.ksefNumber, here);
    if (const QString key = numberKey(planned.sellerNip, planned.invoiceNumber); !plannedByNumber_.contains(key))
        plannedByNumber_.insert(key, here);

    if (!planned.duplicateOf.isEmpty())
        planned.reason = QStringLiteral("duplikat: ta faktura to już %1").arg(planned.duplicateOf);
    else if (planned.senderId == 0)
        planned.reason = QStringLiteral("żaden kontrahent nie ma NIP nabywcy „%1”, a zleceniodawcy nie wskazano")
                             .arg(planned.draft->buyerNip);
    return planned;
}
