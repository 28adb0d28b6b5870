#include "OrderDraft.h"

#include "Cp1250.h"
#include "DateValue.h"
#include "FieldCaptions.h"
#include "Globals.h"
#include "TextFit.h"

#include <optional>

namespace {

constexpr qsizetype LineWidth = 50;
constexpr qsizetype InvoiceNumberWidth = 256;

// An amount as the schemas write it: an optional minus, digits, at most two decimals
// after a point. Anything else is not read, rather than read as something near it.
std::optional<Money> amount(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf(u'.');
    if (point >= 0 && trimmed.size() - point - 1 > 2)
        return std::nullopt;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (!(c >= u'0' && c <= u'9') && !(c == u'-' && i == 0) && !(c == u'.' && i == point))
            return std::nullopt;
    }
    Money value;
    if (trimmed.isEmpty() || !Money::parse(trimmed, value))
        return std::nullopt;
    return value;
}

QString unreadable(const char *element, const QString &text)
{
    return QStringLiteral("nieczytelna kwota w elemencie %1: „%2”").arg(QLatin1String(element), text);
}

// The entry's NrRB, or its bank name where the issuer swapped the two.
QString entryAccount(const InvoiceAccount &entry)
{
    const QString number = CleanAccount(entry.number);
    return number.isEmpty() ? CleanAccount(entry.bankName) : number;
}

QString firstAccount(const QList<InvoiceAccount> &entries)
{
    for (const InvoiceAccount &entry : entries)
        if (const QString account = entryAccount(entry); !account.isEmpty())
            return account;
    return QString();
}

std::optional<QString> unheld(const QString &caption, const QString &text)
{
    const qsizetype bad = Cp1250::firstUnheld(text);
    if (bad < 0)
        return std::nullopt;
    return QStringLiteral("pole „%1” zawiera znak „%2”, którego nie można zapisać w bazie danych "
                          "(strona kodowa Windows-1250)")
        .arg(caption, text.mid(bad, text.at(bad).isHighSurrogate() ? 2 : 1));
}

bool isNip(const QString &text)
{
    return text.size() == 10 && DigitsOnly(text) == text;
}

std::optional<QString> amountsAndDates(const Invoice &invoice, OrderDraft &draft)
{
    const bool settled = !invoice.toPay.isEmpty();
    const auto total = amount(settled ? invoice.toPay : invoice.grossTotal);
    if (!total)
        return unreadable(settled ? "DoZaplaty" : "P_15", settled ? invoice.toPay : invoice.grossTotal);
    draft.amount = *total;
    if (invoice.partialPaymentMark.trimmed() == QLatin1String("1"))
        for (const QString &part : invoice.partialPayments) {
            const auto paid = amount(part);
            if (!paid)
                return unreadable("KwotaZaplatyCzesciowej", part);
            draft.amount = draft.amount - *paid;
        }
    draft.splitPayment = invoice.splitPayment.trimmed() == QLatin1String("1");
    if (draft.splitPayment)
        for (const QString &vat : invoice.vatAmounts) {
            const auto value = amount(vat);
            if (!value)
                return unreadable("P_14", vat);
            draft.vat = draft.vat + *value;
        }
    draft.dueDate = QDate();
    for (const QString &text : invoice.dueDates) {
        const QDate due = QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!due.isValid())
            return QStringLiteral("nieczytelny termin płatności „%1”").arg(text);
        if (!draft.dueDate.isValid() || due < draft.dueDate)
            draft.dueDate = due;
    }
    if (!draft.dueDate.isValid())
        draft.dueDate = DateValue::zeroDate();
    return std::nullopt;
}

}

QString CleanAccount(const QString &text)
{
    QString kept;
    for (const QChar c : text)
        if (!c.isSpace() && c != u'-')
            kept.append(c);
    if (kept.startsWith(QLatin1String("PL")))
        kept.remove(0, 2);
    return kept.size() == 26 && DigitsOnly(kept) == kept && IsValidAccount(kept) ? kept : QString();
}

std::variant<OrderDraft, QString> DraftOrder(const Invoice &invoice)
{
    if (invoice.paid.trimmed() == QLatin1String("1"))
        return QStringLiteral("faktura jest oznaczona jako zapłacona");
    if (invoice.partialPaymentMark.trimmed() == QLatin1String("2"))
        return QStringLiteral("faktura jest zapłacona w całości w częściach");
    if (!invoice.paymentForm.isEmpty() && invoice.paymentForm.trimmed() != QLatin1String("6"))
        return QStringLiteral("forma płatności inna niż przelew (kod %1)").arg(invoice.paymentForm.trimmed());
    if (invoice.currency.trimmed() != QLatin1String("PLN"))
        return QStringLiteral("waluta faktury to „%1”, nie PLN").arg(invoice.currency.trimmed());
    const QString sellerNip = invoice.sellerNip.trimmed();
    if (!isNip(sellerNip))
        return QStringLiteral("plik nie jest fakturą FA(2) ani FA(3): NIP sprzedawcy „%1” nie ma 10 cyfr").arg(sellerNip);

    OrderDraft draft;
    if (const auto reason = amountsAndDates(invoice, draft))
        return *reason;
    if (draft.amount <= Money())
        return QStringLiteral("kwota do zapłaty %1 zł nie jest dodatnia").arg(draft.amount.toPlainString());
    // A factor that the seller assigned the debt to is the one to pay: a factor named
    // with an account that cannot be read is never replaced by the seller's own.
    draft.account = invoice.factorAccounts.isEmpty() ? firstAccount(invoice.accounts)
                                                     : firstAccount(invoice.factorAccounts);
    if (draft.account.isEmpty())
        return invoice.factorAccounts.isEmpty()
                   ? QStringLiteral("brak prawidłowego krajowego numeru rachunku")
                   : QStringLiteral("brak prawidłowego krajowego numeru rachunku faktora");

    draft.sellerNip = sellerNip;
    draft.buyerNip = DigitsOnly(invoice.buyerNip);
    draft.recipientName = FitText(invoice.sellerName, LineWidth);
    const QString address2 = invoice.sellerAddress2.simplified();
    draft.recipientAddress =
        FitText(address2.isEmpty() ? invoice.sellerAddress1 : invoice.sellerAddress1 + QStringLiteral(", ") + address2,
                LineWidth);
    draft.invoiceNumber = invoice.number.trimmed();
    draft.title = FitText(invoice.number, LineWidth);
    if (draft.invoiceNumber.isEmpty())
        return QStringLiteral("plik nie jest fakturą FA(2) ani FA(3): brak numeru faktury (P_2)");
    if (draft.invoiceNumber.size() > InvoiceNumberWidth)
        return QStringLiteral("numer faktury jest dłuższy niż %1 znaków").arg(InvoiceNumberWidth);

    static const QHash<QString, QString> captions = FieldCaptions::of(QStringLiteral("ZWYKLE"));
    const std::pair<QString, const QString *> texts[] = {
        {captions.value(QStringLiteral("NAZWA1_ODB")), &draft.recipientName},
        {captions.value(QStringLiteral("NAZWA2_ODB")), &draft.recipientAddress},
        {captions.value(QStringLiteral("TYTUL1_ZAPL")), &draft.title},
        {QStringLiteral("Numer faktury"), &draft.invoiceNumber},
    };
    for (const auto &[caption, text] : texts)
        if (const auto reason = unheld(caption, *text))
            return *reason;
    return draft;
}
