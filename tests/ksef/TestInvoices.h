// The KSeF invoices of these tests are written from the Ministry of Finance's FA(3) test
// invoice, invoice-template-fa-3.xml, published under the MIT licence in LICENSE-template.txt.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// Invoices written from the Ministry's FA(3) test invoice (MIT licence, see
// LICENSE-template.txt beside it): its placeholders filled, then each change replacing
// one snippet of it that must occur exactly once.
using Change = std::pair<const char *, const char *>;

constexpr const char *SellerNip = "5265877635";
constexpr const char *BuyerNip = "1111111111";
constexpr const char *TemplateAccount = "73111111111111111111111111";
constexpr const char *OtherAccount = "61109010140000071219812874";

QByteArray WriteInvoice(const QString &number, const QList<Change> &changes = {}, const QString &sellerNip = SellerNip);
// The number the template's P_2 becomes.
QString InvoiceNumber(const QString &number);
// Writes the bytes to a file; false when it cannot.
bool WriteFile(const QString &path, const QByteArray &bytes);
