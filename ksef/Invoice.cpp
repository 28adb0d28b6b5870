#include "Invoice.h"

#include <QHash>
#include <QXmlStreamReader>
#include <functional>

namespace {

const QString Fa3Namespace = QStringLiteral("http://crd.gov.pl/wzor/2025/06/25/13775/");
const QString Fa2Namespace = QStringLiteral("http://crd.gov.pl/wzor/2023/06/29/12648/");

using Leaf = std::function<void(Invoice &, const QString &)>;
using Opening = std::function<void(Invoice &)>;

Leaf into(QString Invoice::*field)
{
    return [field](Invoice &invoice, const QString &text) { invoice.*field = text; };
}

Leaf appended(QList<QString> Invoice::*list)
{
    return [list](Invoice &invoice, const QString &text) { (invoice.*list).append(text); };
}

// A bank account's text goes to the entry its element opened.
Leaf accountPart(QList<InvoiceAccount> Invoice::*list, QString InvoiceAccount::*part)
{
    return [list, part](Invoice &invoice, const QString &text) {
        if (!(invoice.*list).isEmpty())
            (invoice.*list).last().*part = text;
    };
}

// The values read, by their path below the root; both schemas place them alike.
const QHash<QString, Leaf> &leaves()
{
    static const QHash<QString, Leaf> paths = {
        {QStringLiteral("Podmiot1/DaneIdentyfikacyjne/NIP"), into(&Invoice::sellerNip)},
        {QStringLiteral("Podmiot1/DaneIdentyfikacyjne/Nazwa"), into(&Invoice::sellerName)},
        {QStringLiteral("Podmiot1/Adres/AdresL1"), into(&Invoice::sellerAddress1)},
        {QStringLiteral("Podmiot1/Adres/AdresL2"), into(&Invoice::sellerAddress2)},
        {QStringLiteral("Podmiot2/DaneIdentyfikacyjne/NIP"), into(&Invoice::buyerNip)},
        {QStringLiteral("Fa/KodWaluty"), into(&Invoice::currency)},
        {QStringLiteral("Fa/P_2"), into(&Invoice::number)},
        {QStringLiteral("Fa/P_15"), into(&Invoice::grossTotal)},
        {QStringLiteral("Fa/P_14_1"), appended(&Invoice::vatAmounts)},
        {QStringLiteral("Fa/P_14_2"), appended(&Invoice::vatAmounts)},
        {QStringLiteral("Fa/P_14_3"), appended(&Invoice::vatAmounts)},
        {QStringLiteral("Fa/P_14_4"), appended(&Invoice::vatAmounts)},
        {QStringLiteral("Fa/Adnotacje/P_18A"), into(&Invoice::splitPayment)},
        {QStringLiteral("Fa/Rozliczenie/DoZaplaty"), into(&Invoice::toPay)},
        {QStringLiteral("Fa/Platnosc/Zaplacono"), into(&Invoice::paid)},
        {QStringLiteral("Fa/Platnosc/ZnacznikZaplatyCzesciowej"), into(&Invoice::partialPaymentMark)},
        {QStringLiteral("Fa/Platnosc/ZaplataCzesciowa/KwotaZaplatyCzesciowej"), appended(&Invoice::partialPayments)},
        {QStringLiteral("Fa/Platnosc/TerminPlatnosci/Termin"), appended(&Invoice::dueDates)},
        {QStringLiteral("Fa/Platnosc/FormaPlatnosci"), into(&Invoice::paymentForm)},
        {QStringLiteral("Fa/Platnosc/RachunekBankowy/NrRB"), accountPart(&Invoice::accounts, &InvoiceAccount::number)},
        {QStringLiteral("Fa/Platnosc/RachunekBankowy/NazwaBanku"),
         accountPart(&Invoice::accounts, &InvoiceAccount::bankName)},
        {QStringLiteral("Fa/Platnosc/RachunekBankowyFaktora/NrRB"),
         accountPart(&Invoice::factorAccounts, &InvoiceAccount::number)},
        {QStringLiteral("Fa/Platnosc/RachunekBankowyFaktora/NazwaBanku"),
         accountPart(&Invoice::factorAccounts, &InvoiceAccount::bankName)},
    };
    return paths;
}

const QHash<QString, Opening> &openings()
{
    static const QHash<QString, Opening> paths = {
        {QStringLiteral("Fa/Platnosc/RachunekBankowy"), [](Invoice &i) { i.accounts.append(InvoiceAccount{}); }},
        {QStringLiteral("Fa/Platnosc/RachunekBankowyFaktora"), [](Invoice &i) { i.factorAccounts.append(InvoiceAccount{}); }},
    };
    return paths;
}

QString notAnInvoice(const QString &why)
{
    return QStringLiteral("plik nie jest fakturą FA(2) ani FA(3): %1").arg(why);
}

// The reader would expand entities a document declares itself; no invoice needs any.
bool refused(const QXmlStreamReader &reader)
{
    return reader.tokenType() == QXmlStreamReader::DTD || reader.tokenType() == QXmlStreamReader::EntityReference;
}

}

std::variant<Invoice, QString> ReadInvoice(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    Invoice invoice;
    QString invoiceNamespace;
    // Element names below the root joined by "/", with where each began; one of another
    // namespace stands as "#", so nothing below it matches a path.
    QString path;
    QList<qsizetype> starts;
    bool rootSeen = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (refused(reader))
            return notAnInvoice(QStringLiteral("zawiera deklarację typu dokumentu"));
        if (reader.isEndElement()) {
            if (!starts.isEmpty())
                path.truncate(starts.takeLast());
            continue;
        }
        if (!reader.isStartElement())
            continue;
        if (!rootSeen) {
            rootSeen = true;
            invoiceNamespace = reader.namespaceUri().toString();
            if (reader.name() != QLatin1String("Faktura") ||
                (invoiceNamespace != Fa3Namespace && invoiceNamespace != Fa2Namespace))
                return notAnInvoice(QStringLiteral("element główny „%1” w przestrzeni nazw „%2”")
                                        .arg(reader.name().toString(), invoiceNamespace));
            continue;
        }
        const bool ours = reader.namespaceUri() == invoiceNamespace;
        starts << path.size();
        if (!path.isEmpty())
            path += u'/';
        if (ours)
            path += reader.name();
        else
            path += u'#';
        if (const auto leaf = leaves().constFind(path); ours && leaf != leaves().constEnd()) {
            const QString text = reader.readElementText();
            if (reader.hasError())
                break;
            (*leaf)(invoice, text);
            path.truncate(starts.takeLast());
            continue;
        }
        if (const auto opening = openings().constFind(path); ours && opening != openings().constEnd())
            (*opening)(invoice);
    }
    if (reader.hasError())
        return notAnInvoice(QStringLiteral("błąd XML w wierszu %1: %2").arg(reader.lineNumber()).arg(reader.errorString()));
    if (!rootSeen)
        return notAnInvoice(QStringLiteral("brak elementu głównego"));
    return invoice;
}

bool IsReceipt(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        reader.readNext();
        if (refused(reader))
            return false;
        if (reader.isStartElement())
            return reader.name() == QLatin1String("Potwierdzenie") &&
                   reader.namespaceUri().startsWith(QLatin1String("http://upo.schematy.mf.gov.pl/KSeF/"));
    }
    return false;
}
