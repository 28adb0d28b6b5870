#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <variant>

// What an e-invoice says about paying it, as written in the file: texts untrimmed,
// amounts and dates still text, so that a value that cannot be read is named with
// the invoice's reason to be skipped, not lost on the way.
struct InvoiceAccount
{
    QString number, bankName;
};

struct Invoice
{
    QString sellerNip, sellerName, sellerAddress1, sellerAddress2;
    QString buyerNip;
    QString currency, number;
    QString grossTotal, toPay;            // P_15, Rozliczenie/DoZaplaty
    QList<QString> vatAmounts;           // P_14_1 to P_14_4 present
    QString splitPayment;                // Adnotacje/P_18A
    QString paid, partialPaymentMark, paymentForm;
    QList<QString> partialPayments, dueDates;
    QList<InvoiceAccount> accounts, factorAccounts;
};

// An invoice of the FA(2) or FA(3) schema, or why the bytes are none, in Polish.
// Nothing outside the bytes is ever read: a document type declaration is refused.
std::variant<Invoice, QString> ReadInvoice(const QByteArray &bytes);

// True when the bytes are a KSeF receipt (UPO) rather than an invoice.
bool IsReceipt(const QByteArray &bytes);
