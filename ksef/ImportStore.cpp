#include "ImportStore.h"

#include "FDM.h"
#include "FbQuery.h"

namespace {

const QString InsertContractor = QStringLiteral(
    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, KONTO, NIP, TYPIDENTYF)\n"
    "values (:ADRESATID, :NAZWA, :NAZWA1_ODB, :NAZWA2_ODB, :KONTO, :NIP, 'N')");

const QString InsertOrder = QStringLiteral(
    "insert into ZWYKLE (PRZELEWID, ODBIORCAID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NADAWCAID,\n"
    "  NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, TYTUL1_ZAPL, TYTUL2_ZAPL, DATA_PRZEK, DATA_WPR, WYDRUKOWANO,\n"
    "  NIP_ODB, NR_FAKTURY, NR_KSEF, MPP, KWOTA_VAT)\n"
    "values (:PRZELEWID, :ODBIORCAID, :NAZWA1_ODB, :NAZWA2_ODB, :KONTO_ODB, 'T', :KWOTA, :NADAWCAID,\n"
    "  :NAZWA1_NAD, :NAZWA2_NAD, :KONTO_NAD, :TYTUL1_ZAPL, :TYTUL2_ZAPL, :DATA_PRZEK, :DATA_WPR, 'N',\n"
    "  :NIP_ODB, :NR_FAKTURY, :NR_KSEF, :MPP, :KWOTA_VAT)");

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

qint32 storeContractor(FbQuery &insert, FbQuery &newId, const NewContractor &contractor)
{
    const qint32 id = TDM::IdFrom(newId);
    insert.setParam(QStringLiteral("ADRESATID"), id);
    insert.setParam(QStringLiteral("NAZWA"), contractor.name);
    insert.setParam(QStringLiteral("NAZWA1_ODB"), contractor.name1);
    insert.setParam(QStringLiteral("NAZWA2_ODB"), contractor.name2);
    insert.setParam(QStringLiteral("KONTO"), contractor.account);
    insert.setParam(QStringLiteral("NIP"), contractor.nip);
    insert.execute();
    return id;
}

void storeOrder(FbQuery &insert, qint32 id, qint32 recipientId, const PlannedInvoice &planned)
{
    const OrderDraft &draft = *planned.draft;
    const auto set = [&insert](const char *column, const QVariant &value) {
        insert.setParam(QLatin1String(column), value);
    };
    set("PRZELEWID", id);
    set("ODBIORCAID", recipientId);
    set("NAZWA1_ODB", draft.recipientName);
    set("NAZWA2_ODB", draft.recipientAddress);
    set("KONTO_ODB", draft.account);
    set("KWOTA", QVariant::fromValue(draft.amount));
    set("NADAWCAID", planned.senderId);
    set("NAZWA1_NAD", planned.senderName1);
    set("NAZWA2_NAD", planned.senderName2);
    set("KONTO_NAD", planned.senderAccount);
    set("TYTUL1_ZAPL", draft.title);
    set("TYTUL2_ZAPL", planned.ksefNumber);
    set("DATA_PRZEK", draft.dueDate);
    set("DATA_WPR", QDate::currentDate());
    set("NIP_ODB", draft.sellerNip);
    set("NR_FAKTURY", draft.invoiceNumber);
    set("NR_KSEF", textOrNull(planned.ksefNumber));
    set("MPP", QString(QLatin1Char(draft.splitPayment ? 'T' : 'N')));
    set("KWOTA_VAT", draft.splitPayment ? QVariant::fromValue(draft.vat) : QVariant());
    insert.execute();
}

}

QList<qint32> StoreImport(const QList<PlannedInvoice> &plan)
{
    FbTransaction transaction(DM->Baza);
    transaction.setDescription(QStringLiteral("import faktur KSeF"));
    FbQuery contractors(transaction), orders(transaction), contractorId(transaction), orderId(transaction);
    contractors.setSql(InsertContractor);
    orders.setSql(InsertOrder);
    contractorId.setSql(QStringLiteral("EXECUTE PROCEDURE GETADRESATID"));
    orderId.setSql(QStringLiteral("EXECUTE PROCEDURE GETPRZELEWID"));
    QList<qint32> ids;
    QHash<QString, qint32> addedByNip;
    transaction.start();
    try {
        for (const PlannedInvoice &planned : plan) {
            if (!planned.becomesOrder() || !planned.draft) {
                ids << 0;
                continue;
            }
            qint32 recipientId = planned.recipientId;
            if (planned.newRecipient) {
                recipientId = addedByNip.value(planned.draft->sellerNip);
                if (recipientId == 0) {
                    recipientId = storeContractor(contractors, contractorId, *planned.newRecipient);
                    addedByNip.insert(planned.draft->sellerNip, recipientId);
                }
            }
            const qint32 id = TDM::IdFrom(orderId);
            storeOrder(orders, id, recipientId, planned);
            ids << id;
        }
        transaction.commit();
    } catch (...) {
        if (transaction.isActive())
            transaction.rollback();
        throw;
    }
    return ids;
}
