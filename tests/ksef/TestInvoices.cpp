#include "TestInvoices.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString templateText()
{
    QFile file(QStringLiteral(KSEF_TEMPLATE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KSEF_TEMPLATE;
    return QString::fromUtf8(file.readAll());
}

}

QString InvoiceNumber(const QString &number)
{
    return QStringLiteral("FA/GRQMB-%1/05/2025").arg(number);
}

QByteArray WriteInvoice(const QString &number, const QList<Change> &changes, const QString &sellerNip)
{
    QString text = templateText();
    text.replace(QStringLiteral("#nip#"), sellerNip).replace(QStringLiteral("#invoice_number#"), number);
    for (const auto &[from, to] : changes) {
        const QString snippet = QString::fromUtf8(from);
        EXPECT_EQ(text.count(snippet), 1) << from;
        text.replace(snippet, QString::fromUtf8(to));
    }
    return text.toUtf8();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
