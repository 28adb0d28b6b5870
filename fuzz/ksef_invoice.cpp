// The KSeF invoice reader on any bytes, and what an invoice it reads becomes: an order
// pays a positive amount to a valid 26-digit account, its texts fit their columns and
// Windows-1250 holds them. The same bytes read as a receipt or a package's metadata
// never crash either.
#include "Cp1250.h"
#include "FuzzCheck.h"
#include "Globals.h"
#include "KsefNumberSources.h"
#include "OrderDraft.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    KsefNumberSources sources;
    sources.addReceipt(bytes);
    sources.addMetadata(bytes);
    (void)IsReceipt(bytes);
    const auto invoice = ReadInvoice(bytes);
    if (const QString *reason = std::get_if<QString>(&invoice)) {
        FUZZ_EXPECT(!reason->isEmpty(), *reason);
        return 0;
    }
    const auto drafted = DraftOrder(std::get<Invoice>(invoice));
    if (const QString *reason = std::get_if<QString>(&drafted)) {
        FUZZ_EXPECT(!reason->isEmpty(), *reason);
        return 0;
    }
    const OrderDraft &draft = std::get<OrderDraft>(drafted);
    FUZZ_EXPECT(draft.amount > Money(), draft.amount.toPlainString());
    FUZZ_EXPECT(draft.account.size() == 26 && IsValidAccount(draft.account) && CleanAccount(draft.account) == draft.account,
                draft.account);
    for (const QString *text : {&draft.recipientName, &draft.recipientAddress, &draft.title}) {
        FUZZ_EXPECT(text->size() <= 50 && *text == text->simplified(), *text);
        FUZZ_EXPECT(Cp1250::firstUnheld(*text) == -1, *text);
    }
    FUZZ_EXPECT(!draft.invoiceNumber.isEmpty() && draft.invoiceNumber.size() <= 256, draft.invoiceNumber);
    FUZZ_EXPECT(Cp1250::firstUnheld(draft.invoiceNumber) == -1, draft.invoiceNumber);
    FUZZ_EXPECT(draft.sellerNip.size() == 10 && DigitsOnly(draft.sellerNip) == draft.sellerNip, draft.sellerNip);
    (void)sources.find(bytes, QStringLiteral("f.xml"), draft.sellerNip, draft.invoiceNumber);
    return 0;
}
