#include "DateValue.h"
#include "OrderDraft.h"
#include "TestInvoices.h"

#include <gtest/gtest.h>

namespace {

const char *const Due = "<TerminPlatnosci>";
const char *const Settled = "<DoZaplaty>53.63</DoZaplaty>";
const char *const Account = "<NrRB>73111111111111111111111111</NrRB>";
const char *const BankName = "<NazwaBanku>Bank Bankowości Bankowej S. A.</NazwaBanku>";
const char *const SellerName = "<Nazwa>Elektrownia S.A.</Nazwa>";
const char *const Address2 = "<AdresL2>00-001 Warszawa</AdresL2>\n\t\t</Adres>\n\t\t<DaneKontaktowe>\n\t\t\t<Email>elektrownia";
const char *const Factor = "</RachunekBankowy>";

std::variant<OrderDraft, QString> draftOf(const QByteArray &bytes)
{
    const auto invoice = ReadInvoice(bytes);
    if (const QString *reason = std::get_if<QString>(&invoice))
        return *reason;
    return DraftOrder(std::get<Invoice>(invoice));
}

}

// Each row: the changes to the template, then either what the order carries or the
// reason the invoice is skipped.
TEST(InvoiceOrder, WhatAnInvoiceBecomesOrWhyItIsSkipped)
{
    const struct {
        const char *what;
        QList<Change> changes;
        qint64 grosze;
        const char *account;
        const char *reason;   // nullptr: it becomes an order
    } rows[] = {
        {"as the template", {}, 5363, TemplateAccount, nullptr},
        {"Rozliczenie/DoZaplaty before P_15", {{Settled, "<DoZaplaty>40.10</DoZaplaty>"}}, 4010, TemplateAccount, nullptr},
        {"P_15 without DoZaplaty", {{Settled, ""}, {"<P_15>53.63</P_15>", "<P_15>1234567.89</P_15>"}}, 123456789,
         TemplateAccount, nullptr},
        {"partial payments subtracted",
         {{Due, "<ZnacznikZaplatyCzesciowej>1</ZnacznikZaplatyCzesciowej><ZaplataCzesciowa><KwotaZaplatyCzesciowej>"
                "10.00</KwotaZaplatyCzesciowej><DataZaplatyCzesciowej>2025-09-02</DataZaplatyCzesciowej>"
                "</ZaplataCzesciowa><ZaplataCzesciowa><KwotaZaplatyCzesciowej>3.6</KwotaZaplatyCzesciowej>"
                "<DataZaplatyCzesciowej>2025-09-03</DataZaplatyCzesciowej></ZaplataCzesciowa><TerminPlatnosci>"}},
         4003, TemplateAccount, nullptr},
        {"partial payments reaching the amount",
         {{Due, "<ZnacznikZaplatyCzesciowej>1</ZnacznikZaplatyCzesciowej><ZaplataCzesciowa><KwotaZaplatyCzesciowej>"
                "53.63</KwotaZaplatyCzesciowej><DataZaplatyCzesciowej>2025-09-02</DataZaplatyCzesciowej>"
                "</ZaplataCzesciowa><TerminPlatnosci>"}},
         0, nullptr, "nie jest dodatnia"},
        {"paid in full in parts", {{Due, "<ZnacznikZaplatyCzesciowej>2</ZnacznikZaplatyCzesciowej><TerminPlatnosci>"}},
         0, nullptr, "zapłacona w całości w częściach"},
        {"marked paid", {{Due, "<Zaplacono>1</Zaplacono><DataZaplaty>2025-09-02</DataZaplaty><TerminPlatnosci>"}}, 0,
         nullptr, "oznaczona jako zapłacona"},
        {"paid by card", {{"<FormaPlatnosci>6</FormaPlatnosci>", "<FormaPlatnosci>2</FormaPlatnosci>"}}, 0, nullptr,
         "forma płatności inna niż przelew (kod 2)"},
        {"no payment form", {{"<FormaPlatnosci>6</FormaPlatnosci>", ""}}, 5363, TemplateAccount, nullptr},
        {"in euro", {{"<KodWaluty>PLN</KodWaluty>", "<KodWaluty>EUR</KodWaluty>"}}, 0, nullptr, "„EUR”, nie PLN"},
        {"a refunding correction", {{Settled, "<DoZaplaty>-12.00</DoZaplaty>"}}, 0, nullptr, "-12.00 zł nie jest dodatnia"},
        {"nothing to pay", {{Settled, "<DoZaplaty>0.00</DoZaplaty>"}}, 0, nullptr, "nie jest dodatnia"},
        {"an amount with a comma", {{Settled, "<DoZaplaty>53,63</DoZaplaty>"}}, 0, nullptr, "DoZaplaty: „53,63”"},
        {"three decimals", {{Settled, "<DoZaplaty>53.635</DoZaplaty>"}}, 0, nullptr, "nieczytelna kwota"},
        {"a factor is paid, not the seller",
         {{Factor, "</RachunekBankowy><RachunekBankowyFaktora><NrRB>61109010140000071219812874</NrRB>"
                   "</RachunekBankowyFaktora>"}},
         5363, OtherAccount, nullptr},
        {"a factor's unreadable account is not replaced by the seller's",
         {{Factor, "</RachunekBankowy><RachunekBankowyFaktora><NrRB>61109010140000071219812875</NrRB>"
                   "</RachunekBankowyFaktora>"}},
         0, nullptr, "rachunku faktora"},
        {"account and bank name swapped",
         {{Account, "<NrRB>Bank Bankowości</NrRB>"}, {BankName, "<NazwaBanku>PL 61 1090-1014 0000 0712 1981 2874</NazwaBanku>"}},
         5363, OtherAccount, nullptr},
        {"the first entry with a valid account",
         {{Account, "<NrRB>73111111111111111111111112</NrRB>"},
          {Factor, "</RachunekBankowy><RachunekBankowy><NrRB>PL61109010140000071219812874</NrRB></RachunekBankowy>"}},
         5363, OtherAccount, nullptr},
        {"a foreign account", {{Account, "<NrRB>DE89370400440532013000</NrRB>"}}, 0, nullptr,
         "brak prawidłowego krajowego numeru rachunku"},
        {"one digit wrong", {{Account, "<NrRB>73111111111111111111111112</NrRB>"}}, 0, nullptr,
         "brak prawidłowego krajowego numeru rachunku"},
        {"a name Windows-1250 cannot hold", {{SellerName, "<Nazwa>Электростанция</Nazwa>"}}, 0, nullptr,
         "„Nazwa odbiorcy” zawiera znak „Э”"},
        {"the FA(2) schema",
         {{"http://crd.gov.pl/wzor/2025/06/25/13775/", "http://crd.gov.pl/wzor/2023/06/29/12648/"},
          {"kodSystemowy=\"FA (3)\"", "kodSystemowy=\"FA (2)\""}},
         5363, TemplateAccount, nullptr},
        {"a foreign namespace", {{"http://crd.gov.pl/wzor/2025/06/25/13775/", "http://example.com/faktura"}}, 0,
         nullptr, "nie jest fakturą FA(2) ani FA(3)"},
        {"malformed", {{"</Fa>", "</Fx>"}}, 0, nullptr, "błąd XML"},
        {"an entity declared inside",
         {{"<Faktura ", "<!DOCTYPE Faktura [<!ENTITY a \"Bank\">]><Faktura "}, {SellerName, "<Nazwa>&a;</Nazwa>"}},
         0, nullptr, "deklarację typu dokumentu"},
        {"an external entity",
         {{"<Faktura ", "<!DOCTYPE Faktura SYSTEM \"http://example.com/x.dtd\"><Faktura "}}, 0, nullptr,
         "deklarację typu dokumentu"},
        {"a seller without a NIP", {{"<NIP>5265877635</NIP>", "<NIP>52658</NIP>"}}, 0, nullptr, "NIP sprzedawcy"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const auto draft = draftOf(WriteInvoice(QStringLiteral("1"), row.changes));
        if (row.reason) {
            EXPECT_TRUE(std::holds_alternative<QString>(draft) &&
                        std::get<QString>(draft).contains(QString::fromUtf8(row.reason)))
                << (std::holds_alternative<QString>(draft) ? std::get<QString>(draft).toStdString() : "an order");
            continue;
        }
        if (!std::holds_alternative<OrderDraft>(draft)) {
            ADD_FAILURE() << std::get<QString>(draft).toStdString();
            continue;
        }
        EXPECT_EQ(std::get<OrderDraft>(draft).amount, Money::fromGrosze(row.grosze));
        EXPECT_EQ(std::get<OrderDraft>(draft).account, QLatin1String(row.account));
    }
}

TEST(InvoiceOrder, TextsFitTheirLinesAndTheDatesAndSplitPaymentAreRead)
{
    const QString longName = QStringLiteral("Przedsiębiorstwo   Produkcyjno-Handlowe\tELEKTROWNIA Spółka Akcyjna w Warszawie");
    const QString unbroken = QString(60, u'X');
    const struct {
        const char *what;
        QList<Change> changes;
        QString name, address, title;
        QDate due;
        bool split;
        qint64 vatGrosze;
    } rows[] = {
        {"as the template", {}, "Elektrownia S.A.", "ul. Kwiatowa 1 m. 2, 00-001 Warszawa", InvoiceNumber("1"),
         QDate(2026, 3, 15), false, 0},
        {"cut at the last space within 51",
         {{SellerName, "<Nazwa>Przedsiębiorstwo   Produkcyjno-Handlowe\tELEKTROWNIA Spółka Akcyjna w Warszawie</Nazwa>"},
          {Address2, "<AdresL2>00-001 Warszawa, skrytka pocztowa numer 1234567</AdresL2>\n\t\t</Adres>\n\t\t"
                     "<DaneKontaktowe>\n\t\t\t<Email>elektrownia"}},
         "Przedsiębiorstwo Produkcyjno-Handlowe ELEKTROWNIA", "ul. Kwiatowa 1 m. 2, 00-001 Warszawa, skrytka",
         InvoiceNumber("1"), QDate(2026, 3, 15), false, 0},
        {"a space just after the 50th character",
         {{SellerName, "<Nazwa>  Elektrownia  Spółka Akcyjna Oddział Mazowiecki ABCD Nr 7</Nazwa>"}},
         "Elektrownia Spółka Akcyjna Oddział Mazowiecki ABCD", "ul. Kwiatowa 1 m. 2, 00-001 Warszawa",
         InvoiceNumber("1"), QDate(2026, 3, 15), false, 0},
        {"no space at all, no second address line",
         {{SellerName, "<Nazwa>XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX</Nazwa>"},
          {Address2, "</Adres>\n\t\t<DaneKontaktowe>\n\t\t\t<Email>elektrownia"}},
         unbroken.left(50), "ul. Kwiatowa 1 m. 2", InvoiceNumber("1"), QDate(2026, 3, 15), false, 0},
        {"the earliest of several due dates, split payment with its VAT sum",
         {{"<Termin>2026-03-15</Termin>", "<Termin>2026-03-15</Termin></TerminPlatnosci><TerminPlatnosci>"
                                          "<Termin>2026-02-01</Termin></TerminPlatnosci><TerminPlatnosci>"
                                          "<Termin>2026-04-01</Termin>"},
          {"<P_18A>2</P_18A>", "<P_18A>1</P_18A>"},
          {"<P_14_1>10.03</P_14_1>", "<P_14_1>10.03</P_14_1><P_13_2>10.00</P_13_2><P_14_2>0.8</P_14_2>"}},
         "Elektrownia S.A.", "ul. Kwiatowa 1 m. 2, 00-001 Warszawa", InvoiceNumber("1"), QDate(2026, 2, 1), true, 1083},
        {"no due date",
         {{"<TerminPlatnosci>\n\t\t\t\t<Termin>2026-03-15</Termin>\n\t\t\t</TerminPlatnosci>", ""}},
         "Elektrownia S.A.", "ul. Kwiatowa 1 m. 2, 00-001 Warszawa", InvoiceNumber("1"), DateValue::zeroDate(), false, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const auto drafted = draftOf(WriteInvoice(QStringLiteral("1"), row.changes));
        if (!std::holds_alternative<OrderDraft>(drafted)) {
            ADD_FAILURE() << std::get<QString>(drafted).toStdString();
            continue;
        }
        const OrderDraft &draft = std::get<OrderDraft>(drafted);
        EXPECT_EQ(draft.recipientName, row.name);
        EXPECT_EQ(draft.recipientAddress, row.address);
        EXPECT_EQ(draft.title, row.title);
        EXPECT_EQ(draft.invoiceNumber, row.title);
        EXPECT_EQ(draft.dueDate, row.due);
        EXPECT_EQ(draft.splitPayment, row.split);
        EXPECT_EQ(draft.vat, Money::fromGrosze(row.vatGrosze));
        EXPECT_EQ(draft.sellerNip, SellerNip);
        EXPECT_EQ(draft.buyerNip, BuyerNip);
    }
}
