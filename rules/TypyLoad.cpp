#include "FDM.h"
#include "Globals.h"
#include "Money.h"
#include "Typy.h"
#include "UnreadableValue.h"

#include <QDateTime>

// Loading of the records from the data module's one-row queries. A NULL column
// loads as an empty text, 0 or the zero date.

namespace {

QString text(const Dataset &row, const char *field)
{
    const QVariant value = row.value(QLatin1String(field));
    return value.isValid() ? value.toString() : QString();
}

qint32 integer(const Dataset &row, const char *field)
{
    return row.value(QLatin1String(field)).toInt();
}

Money money(const Dataset &row, const char *field)
{
    const QVariant value = row.value(QLatin1String(field));
    return value.metaType() == QMetaType::fromType<Money>() ? value.value<Money>() : Money();
}

QDate date(const Dataset &row, const char *field)
{
    const QVariant value = row.value(QLatin1String(field));
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    return DateValue::zeroDate();
}

// Only exactly "T" is a transfer; "t", "N", NULL or anything else is a cash payment.
bool isTransfer(const Dataset &row)
{
    const QVariant value = row.value(QStringLiteral("PRZELEW"));
    return value.isValid() && value.toString() == QLatin1String("T");
}

// The two parties and the amount, alike in ordinary and tax transfers.
template <typename Record>
void loadParties(Record &record, const Dataset &row)
{
    record.RecipientId = integer(row, "ODBIORCAID");
    record.RecipientName1 = text(row, "NAZWA1_ODB");
    record.RecipientName2 = text(row, "NAZWA2_ODB");
    record.RecipientAccount = text(row, "KONTO_ODB");
    record.SenderId = integer(row, "NADAWCAID");
    record.SenderName1 = text(row, "NAZWA1_NAD");
    record.SenderName2 = text(row, "NAZWA2_NAD");
    record.SenderAccount = text(row, "KONTO_NAD");
    record.IsTransfer = isTransfer(row);
    record.TransferDate = date(row, "DATA_PRZEK");
}

// Fills a record from the one row the query holds, if any, then commits the query's
// transaction, so that no snapshot outlives the printing. A row with a value that
// could not be read is refused: printed, it would show a value that is not stored.
template <typename Fill>
void readRow(Dataset &row, const Fill &fill)
{
    try {
        if (!row.isEmpty()) {
            if (const std::optional<UnreadableValue> unreadable = row.unreadableValue())
                throw FbError(QStringLiteral("Tego przelewu nie można wydrukować: %1.").arg(unreadable->reason));
            fill(row);
        }
    } catch (...) {
        row.transaction().commit();
        throw;
    }
    row.transaction().commit();
}

}

QString ValidContractorNip(qint32 contractorId)
{
    if (contractorId <= 0)
        return QString();
    DM->OpenQuery(QStringLiteral("select NIP from ADRESACI where ADRESATID=%1").arg(contractorId));
    QString nip;
    readRow(DM->q, [&nip](const Dataset &row) { nip = text(row, "NIP"); });
    return !IsBlankIdentifier(nip) && IsValidNip(nip) ? nip : QString();
}

void TZwykly::Load(qint32 id)
{
    Clear();
    Id = id;
    DM->OpenOrdinaryRecord(id);
    readRow(DM->Zwykly, [this](const Dataset &row) {
        loadParties(*this, row);
        Amount = money(row, "KWOTA");
        Title1 = text(row, "TYTUL1_ZAPL");
        Title2 = text(row, "TYTUL2_ZAPL");
    });
    RecipientNip = ValidContractorNip(RecipientId);
}

void TPodatkowy::Load(qint32 id)
{
    Clear();
    Id = id;
    DM->OpenTaxRecord(id);
    readRow(DM->Podatkowy, [this](const Dataset &row) {
        loadParties(*this, row);
        SetAmount(money(row, "KWOTA"));
        PayerIdentifier = text(row, "IDENTYF");
        PayerIdentifierType = text(row, "TYPIDENTYF");
        Period = text(row, "OKRES");
        FormSymbol = text(row, "SYMBOLFORM");
        ObligationId = text(row, "IDENTYFZOB");
    });
}

void TZUS::Load(qint32 id)
{
    Clear();
    Id = id;
    DM->OpenZusRecord(id);
    readRow(DM->Zus, [this](const Dataset &row) {
        IsTransfer = isTransfer(row);
        for (const int component : {51, 52, 53}) {
            const QByteArray suffix = QByteArray::number(component);
            SetPaymentType(component, text(row, ("TYP_WPL_" + suffix).constData()));
            SetComponentAmount(component, money(row, ("KWOTA_" + suffix).constData()));
            SetDecisionNumber(component, text(row, ("NR_DEC_" + suffix).constData()));
        }
        SenderId = integer(row, "NADAWCAID");
        SenderName1 = text(row, "NAZWA1_NAD");
        SenderName2 = text(row, "NAZWA2_NAD");
        SenderAccount = text(row, "KONTO_NAD");
        PayerNip = text(row, "NIP_NAD");
        SecondIdType = text(row, "TYP_IDENT");
        SecondId = text(row, "IDENT_UZUP");
        DeclarationYear = integer(row, "ROK_DEKL");
        DeclarationMonth = integer(row, "MIES_DEKL");
        DeclarationNumber = text(row, "NR_DEKL");
        const char *const signature[] = {"PODPIS_A", "PODPIS_B", "PODPIS_C", "PODPIS_D"};
        for (int line = 1; line <= 4; ++line)
            SetSignatureLine(line, text(row, signature[line - 1]));
        TransferDate = date(row, "DATA_PRZEK");
    });
}

void TUrzad::Load(qint32 id)
{
    try {
        DM->OpenQuery(QStringLiteral("SELECT *\nFROM Urzedy\nWHERE UrzadId=%1").arg(id));
        const Dataset &row = DM->q;
        if (row.isEmpty()) {
            Clear();
        } else {
            Id = integer(row, "URZADID");
            Name = text(row, "NAZWA");
            Name1 = text(row, "NAZWA1");
            Name2 = text(row, "NAZWA2");
            AccountPit = text(row, "KONTOPIT");
            AccountCit = text(row, "KONTOCIT");
            AccountVat = text(row, "KONTOVAT");
            AccountPcc = text(row, "KONTOPCC");
            AccountBud = text(row, "KONTOBUD");
        }
    } catch (...) {
        DM->trq.commit();
        throw;
    }
    DM->trq.commit();
}
