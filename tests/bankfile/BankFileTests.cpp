#include "BankFile.h"
#include "Typy.h"

#include <gtest/gtest.h>

namespace {

const QString Sender = QStringLiteral("61109010140000071219812874");
const QString Recipient = QStringLiteral("72114020040000360254826891");
const QDate Today(2026, 12, 10);

BankOrder order()
{
    return {.Id = 7,
            .IsTransfer = true,
            .Amount = Money::fromGrosze(123450),
            .TransferDate = QDate(),
            .SenderAccount = QStringLiteral("61 1090 1014 0000 0712 1981 2874"),
            .RecipientAccount = Recipient,
            .SenderName = {QStringLiteral("Biuro Bilans")},
            .RecipientName = {QStringLiteral("Hurtownia Żubr"), QStringLiteral("Białystok")},
            .Title = {QStringLiteral("Faktura 1")},
            .IsTax = false,
            .MissingTaxTags = {}};
}

// Order 9 as the tax list gives it, every tag filled unless the change empties one.
BankOrder taxOrder(const std::function<void(TPodatkowy &)> &change)
{
    TPodatkowy tax;
    tax.Id = 9;
    tax.SetAmount(Money::fromGrosze(421000));
    tax.SenderAccount = Sender;
    tax.RecipientAccount = Recipient;
    tax.SenderName1 = QStringLiteral("Jan Kowalski");
    tax.RecipientName1 = QStringLiteral("Urząd Skarbowy");
    tax.PayerIdentifierType = QStringLiteral("N");
    tax.PayerIdentifier = QStringLiteral("526-104-08-28");
    tax.Period = QStringLiteral("26M11");
    tax.FormSymbol = QStringLiteral("VAT-7");
    change(tax);
    return BankOrder::FromTax(tax);
}

QString written(const BankOrder &o, CodePage page, const BankProfile &profile = BankProfile::All().first())
{
    const auto file = WriteBankFile({o}, page, profile, Today);
    if (const auto *fault = std::get_if<BankFileFault>(&file))
        return QStringLiteral("FAULT ") + fault->Field + QStringLiteral(": ") + fault->Message;
    return CodePages::Decode(page, std::get<QByteArray>(file));
}

}

TEST(BankFile, OneLineAnOrderWithItsFieldsInPlace)
{
    const struct {
        const char *what;
        std::function<void(BankOrder &)> change;
        const char *line;
    } rows[] = {
        {"an ordinary order without a date goes today", [](BankOrder &) {},
         "110,20261210,123450,10901014,0,\"61109010140000071219812874\",\"72114020040000360254826891\","
         "\"Biuro Bilans\",\"Hurtownia Żubr|Białystok\",0,11402004,\"Faktura 1\",\"\",\"\",\"51\",\"\"\r\n"},
        {"a date in the future is kept", [](BankOrder &o) { o.TransferDate = QDate(2027, 1, 4); },
         "110,20270104,"},
        {"today is kept", [](BankOrder &o) { o.TransferDate = Today; }, "110,20261210,"},
        {"a past date becomes today", [](BankOrder &o) { o.TransferDate = QDate(2026, 12, 9); }, "110,20261210,"},
        {"the zero date is no date", [](BankOrder &o) { o.TransferDate = QDate(1899, 12, 30); }, "110,20261210,"},
        {"the largest amount stays exact",
         [](BankOrder &o) { o.Amount = Money::fromRaw(99999999999900); }, "110,20261210,999999999999,"},
        {"a line longer than 35 characters is cut",
         [](BankOrder &o) { o.Title = {QString(36, u'x'), QStringLiteral("b")}; },
         "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|x|b\""},
        {"a name breaks at the last space that fits, never inside a word",
         [](BankOrder &o) { o.RecipientName = {QStringLiteral("Spółdzielnia Mieszkaniowa Zorza w Łódź")}; },
         ",\"Spółdzielnia Mieszkaniowa Zorza w|Łódź\","},
        {"a space right after the 35th character",
         [](BankOrder &o) { o.Title = {QString(35, u'x') + QStringLiteral(" b")}; },
         "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|b\""},
        {"a tax title breaks in front of a tag, never inside one",
         [](BankOrder &o) {
             o.IsTax = true;
             o.Title = {QStringLiteral("/TI/N5261040828/OKR/26M11/SFP/PIT-36L/TXT/ZAL 2003")};
         },
         ",\"/TI/N5261040828/OKR/26M11|/SFP/PIT-36L/TXT/ZAL 2003\","},
        {"a tag that would end the line is moved whole",
         [](BankOrder &o) {
             o.IsTax = true;
             o.Title = {QStringLiteral("/TI/N5261040828/OKR/26M11/SFP/VAT7/TXT/ZAL")};
         },
         ",\"/TI/N5261040828/OKR/26M11/SFP/VAT7|/TXT/ZAL\","},
        {"an empty first line is kept as a line", [](BankOrder &o) { o.Title = {QString(), QStringLiteral("b")}; },
         ",\"|b\","},
        {"a tax order takes the profile's classification", [](BankOrder &o) { o.IsTax = true; },
         "\"\",\"\",\"71\",\"\"\r\n"},
        {"a quote stops the file", [](BankOrder &o) { o.Title = {QStringLiteral("a\"b")}; },
         "FAULT Tytuł: Przelew nr 7: pole „Tytuł” zawiera znak „\"” (U+0022), którego plik do banku nie przenosi."},
        {"a bar stops the file", [](BankOrder &o) { o.RecipientName = {QStringLiteral("a|b")}; },
         "FAULT Nazwa odbiorcy: Przelew nr 7: pole „Nazwa odbiorcy” zawiera znak „|” (U+007C)"},
        {"a control character stops the file", [](BankOrder &o) { o.SenderName = {QStringLiteral("a\tb")}; },
         "FAULT Nazwa nadawcy: Przelew nr 7: pole „Nazwa nadawcy” zawiera znak U+0009,"},
        {"five lines do not fit", [](BankOrder &o) { o.Title = {QString(141, u'x')}; },
         "FAULT Tytuł: Przelew nr 7: pole „Tytuł” nie mieści się w 4 wierszach po 35 znaków."},
        {"four full lines fit", [](BankOrder &o) { o.Title = {QString(140, u'x')}; }, "xxx\",\"\",\"\",\"51\""},
    };
    for (const auto &row : rows) {
        BankOrder o = order();
        row.change(o);
        const QString line = written(o, CodePage::Windows1250);
        EXPECT_TRUE(line.contains(QString::fromUtf8(row.line))) << row.what << "\n" << line.toStdString();
    }
}

TEST(BankFile, ACharacterTheCodePageLacksStopsTheFileNamingOrderAndField)
{
    const struct {
        const char *what;
        CodePage page;
        const char16_t *name;
        bool written;
    } rows[] = {
        {"Polish letters in Windows-1250", CodePage::Windows1250, u"ŻÓŁĆ źćńąęś", true},
        {"Polish letters in ISO-8859-2", CodePage::Iso8859_2, u"ŻÓŁĆ źćńąęś", true},
        {"Polish letters in CP852", CodePage::Cp852, u"ŻÓŁĆ źćńąęś", true},
        {"the euro sign in Windows-1250", CodePage::Windows1250, u"100 €", true},
        {"the euro sign in ISO-8859-2", CodePage::Iso8859_2, u"100 €", false},
        {"the euro sign in CP852", CodePage::Cp852, u"100 €", false},
        {"a typographic quote in CP852", CodePage::Cp852, u"„Zorza”", false},
        {"Japanese in UTF-8", CodePage::Utf8, u"東京", true},
        {"Japanese in Windows-1250", CodePage::Windows1250, u"東京", false},
    };
    for (const auto &row : rows) {
        BankOrder o = order();
        o.RecipientName = {QString::fromUtf16(row.name)};
        const auto file = WriteBankFile({order(), o}, row.page, BankProfile::All().first(), Today);
        const auto *fault = std::get_if<BankFileFault>(&file);
        EXPECT_EQ(fault == nullptr, row.written) << row.what;
        if (fault) {
            EXPECT_EQ(fault->Id, 7) << row.what;
            EXPECT_EQ(fault->Field, QStringLiteral("Nazwa odbiorcy")) << row.what;
            EXPECT_TRUE(fault->Message.contains(CodePages::Caption(row.page))) << row.what;
        } else {
            const QString text = CodePages::Decode(row.page, std::get<QByteArray>(file));
            EXPECT_TRUE(text.contains(QString::fromUtf16(row.name))) << row.what;
        }
    }
}

TEST(BankFile, RefusedOrdersAreNamedAndLeftOut)
{
    const struct {
        const char *what;
        std::function<void(BankOrder &)> change;
        const char *reason;
    } rows[] = {
        {"a transfer", [](BankOrder &) {}, nullptr},
        {"a cash deposit", [](BankOrder &o) { o.IsTransfer = false; }, "wpłata gotówkowa nie jest przelewem"},
        {"no sender account", [](BankOrder &o) { o.SenderAccount = QStringLiteral("__ ____"); },
         "brak prawidłowego rachunku nadawcy"},
        {"a sender account with a wrong check", [](BankOrder &o) { o.SenderAccount = Sender.left(25) + u'5'; },
         "brak prawidłowego rachunku nadawcy"},
        {"letters among the recipient's digits",
         [](BankOrder &o) { o.RecipientAccount = QStringLiteral("72x114020040000360254826891"); },
         "brak prawidłowego rachunku odbiorcy"},
        {"no amount", [](BankOrder &o) { o.Amount = Money(); }, "kwota nie jest dodatnią liczbą groszy"},
        {"a fraction of a grosz", [](BankOrder &o) { o.Amount = Money::fromRaw(12345); },
         "kwota nie jest dodatnią liczbą groszy"},
        {"a tax order with its tags", [](BankOrder &o) { o = taxOrder([](TPodatkowy &) {}); }, nullptr},
        {"a tax order whose identifier holds separators only",
         [](BankOrder &o) { o = taxOrder([](TPodatkowy &t) { t.PayerIdentifier = QStringLiteral(" - "); }); },
         "brak identyfikatora zobowiązanego"},
        {"a tax order without anything its tags need",
         [](BankOrder &o) {
             o = taxOrder([](TPodatkowy &t) {
                 t.PayerIdentifier.clear();
                 t.PayerIdentifierType = QStringLiteral(" ");
                 t.FormSymbol.clear();
             });
         },
         "brak identyfikatora zobowiązanego, typu identyfikatora, symbolu formularza"},
    };
    for (const auto &row : rows) {
        BankOrder o = order();
        o.Id = 9;
        row.change(o);
        const QList<BankRefusal> refused = BankRefusals({order(), o});
        const QList<BankOrder> kept = WithoutRefused({order(), o});
        if (!row.reason) {
            EXPECT_TRUE(refused.isEmpty()) << row.what;
            EXPECT_EQ(kept.size(), 2) << row.what;
            continue;
        }
        ASSERT_EQ(refused.size(), 1) << row.what;
        EXPECT_EQ(refused.first().Id, 9) << row.what;
        EXPECT_EQ(refused.first().Reason, QStringLiteral("Przelew nr 9: ") + QString::fromUtf8(row.reason)) << row.what;
        ASSERT_EQ(kept.size(), 1) << row.what;
        EXPECT_EQ(kept.first().Id, 7) << row.what;
    }
}

TEST(BankFile, PastDatedOrdersAreNamedAndCanBeLeftOut)
{
    const struct {
        const char *what;
        QDate date;
        bool past;
    } rows[] = {
        {"no date", QDate(), false},
        {"the zero date is no date", QDate(1899, 12, 30), false},
        {"yesterday", Today.addDays(-1), true},
        {"today", Today, false},
        {"tomorrow", Today.addDays(1), false},
    };
    for (const auto &row : rows) {
        BankOrder o = order();
        o.TransferDate = row.date;
        EXPECT_EQ(PastDated({o}, Today).size(), row.past ? 1 : 0) << row.what;
        EXPECT_EQ(WithoutPastDated({o}, Today).size(), row.past ? 0 : 1) << row.what;
    }
    QList<BankOrder> many;
    for (int id = 1; id <= 12; ++id) {
        many << order();
        many.last().Id = id;
        many.last().TransferDate = QDate(2026, 11, id);
    }
    EXPECT_EQ(PastDatedNames(many.mid(0, 2)), QStringLiteral("Przelew nr 1 (01.11.2026), Przelew nr 2 (02.11.2026)"));
    EXPECT_TRUE(PastDatedNames(many).endsWith(QStringLiteral("Przelew nr 10 (10.11.2026), i 2 innych")));
}
