#pragma once

#include "Invoice.h"
#include "Money.h"

#include <QDate>
#include <variant>

// What an invoice becomes as an ordinary transfer, before the database is asked about
// contractors and duplicates: texts fitted to their columns and checked against the
// code page, the amount to pay and the account that is paid.
struct OrderDraft
{
    Money amount;
    QString account;                 // 26 digits
    QString recipientName, recipientAddress;
    QString sellerNip, buyerNip;     // digits as written; the buyer's may be empty
    QString invoiceNumber, title;    // as written, and fitted to the title's line
    QDate dueDate;                   // the zero date when the invoice names none
    bool splitPayment = false;
    Money vat;                       // the VAT sum of a split payment
};

// The order, or why the invoice is not paid by one, in Polish.
std::variant<OrderDraft, QString> DraftOrder(const Invoice &invoice);

// The 26 digits of a domestic account written with spaces, dashes or a leading "PL";
// empty when they are no valid NRB.
QString CleanAccount(const QString &text);
