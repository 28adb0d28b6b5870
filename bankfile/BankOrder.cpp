#include "BankOrder.h"

#include "Typy.h"

namespace {

QStringList lines(const QString &first, const QString &second)
{
    QStringList kept{first.trimmed(), second.trimmed()};
    while (!kept.isEmpty() && kept.last().isEmpty())
        kept.removeLast();
    return kept;
}

QString lettersAndDigits(const QString &text)
{
    QString kept;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            kept.append(c);
    return kept;
}

QStringList missingTaxTags(const TPodatkowy &order)
{
    QStringList missing;
    if (lettersAndDigits(order.PayerIdentifier).isEmpty())
        missing << QStringLiteral("identyfikatora zobowiązanego");
    if (order.PayerIdentifierType.trimmed().isEmpty())
        missing << QStringLiteral("typu identyfikatora");
    if (order.FormSymbol.trimmed().isEmpty())
        missing << QStringLiteral("symbolu formularza");
    return missing;
}

}

QString TaxTags(const TPodatkowy &order)
{
    return QStringLiteral("/TI/") + order.PayerIdentifierType.trimmed() + lettersAndDigits(order.PayerIdentifier) +
           QStringLiteral("/OKR/") + order.Period.trimmed() + QStringLiteral("/SFP/") + order.FormSymbol.trimmed() +
           QStringLiteral("/TXT/") + order.ObligationId.trimmed();
}

BankOrder BankOrder::FromOrdinary(const TZwykly &order)
{
    return {.Id = order.Id,
            .IsTransfer = order.IsTransfer,
            .Amount = order.Amount,
            .TransferDate = order.TransferDate,
            .SenderAccount = order.SenderAccount,
            .RecipientAccount = order.RecipientAccount,
            .SenderName = lines(order.SenderName1, order.SenderName2),
            .RecipientName = lines(order.RecipientName1, order.RecipientName2),
            .Title = lines(order.Title1, order.Title2),
            .IsTax = false,
            .MissingTaxTags = {}};
}

BankOrder BankOrder::FromTax(const TPodatkowy &order)
{
    // The tags run on as one text; the writer cuts it into lines of the file's width.
    return {.Id = order.Id,
            .IsTransfer = order.IsTransfer,
            .Amount = order.Amount(),
            .TransferDate = order.TransferDate,
            .SenderAccount = order.SenderAccount,
            .RecipientAccount = order.RecipientAccount,
            .SenderName = lines(order.SenderName1, order.SenderName2),
            .RecipientName = lines(order.RecipientName1, order.RecipientName2),
            .Title = {TaxTags(order)},
            .IsTax = true,
            .MissingTaxTags = missingTaxTags(order)};
}
