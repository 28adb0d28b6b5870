#include "FDM.h"
#include "FbError.h"
#include "FreshDatabase.h"
#include "ImportPlan.h"
#include "ImportStore.h"
#include "TestInvoices.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char *const KsefA = "5265877635-20250826-0100001AF629-AF";
const char *const KnownSeller = "5260001246";
const char *const Paid = "<Zaplacono>1</Zaplacono><DataZaplaty>2025-09-02</DataZaplaty><TerminPlatnosci>";
const char *const Split = "<P_18A>1</P_18A>";

class KsefImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.execute({"insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_NAD, NAZWA2_NAD, KONTO, NIP) values (101, "
                    "'Kowalski', 'F.H.U. Jan Kowalski', 'ul. Polna 1', '20 1020 1026 0000 1602 0004 3539', "
                    "'111-111-11-11')",
                    "insert into ADRESACI (ADRESATID, NAZWA, NIP) values (102, 'Elektrownia S.A.', '999-999-99-99')",
                    "insert into ADRESACI (ADRESATID, NAZWA, NIP) values (103, 'Znany', '526-000-12-46')",
                    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_NAD, NIP) values (104, 'Inny nabywca', "
                    "'Inny nabywca sp. z o.o.', '')"});
        ASSERT_TRUE(dm.ConnectDatabase());
    }

    // Writes the invoices into the folder and reads it as an import does.
    ImportFiles folder(const QList<std::pair<QString, QByteArray>> &files, const QByteArray &metadata = {})
    {
        dirs.push_back(std::make_unique<QTemporaryDir>());
        for (const auto &[name, bytes] : files) {
            EXPECT_TRUE(WriteFile(dirs.back()->filePath(name), bytes));
        }
        if (!metadata.isEmpty()) {
            EXPECT_TRUE(WriteFile(dirs.back()->filePath(QStringLiteral("_metadata.json")), metadata));
        }
        const auto read = ReadImportPaths({dirs.back()->path()});
        return std::get<ImportFiles>(read);
    }

    QList<QVector<QVariant>> rows(const QString &sql)
    {
        dm.OpenQuery(sql);
        dm.q.fetchAll();
        QList<QVector<QVariant>> found;
        for (int row = 0; row < dm.q.fetchedCount(); ++row) {
            QVector<QVariant> values;
            for (int column = 0; column < dm.q.fieldNames().size(); ++column)
                values << dm.q.valueAt(row, column);
            found << values;
        }
        dm.trq.commit();
        return found;
    }

    FreshDatabase db;
    TDM dm;
    std::vector<std::unique_ptr<QTemporaryDir>> dirs;
};

QList<PlannedInvoice> planAll(const ImportFiles &files, qint32 sender = 0)
{
    ImportPlanner planner;
    QList<PlannedInvoice> plan;
    for (const InvoiceFile &file : files.invoices)
        plan << planner.plan(file, sender);
    return plan;
}

}

// One import of a folder: what each file becomes, what is stored, and the same folder
// imported again.
TEST_F(KsefImport, OrdersAreStoredOnceWithTheContractorsTheyNeed)
{
    const QByteArray first = WriteInvoice(QStringLiteral("1"));
    const QString metadata = QStringLiteral("{\"invoices\": [{\"ksefNumber\": \"%1\", \"invoiceHash\": \"%2\"}]}")
                                 .arg(QLatin1String(KsefA), KsefNumberSources::Hash(first));
    const ImportFiles files = folder(
        {
            {"a.xml", first},
            {"b.xml", WriteInvoice(QStringLiteral("2"), {{"<P_18A>2</P_18A>", Split}})},
            {"c.xml", WriteInvoice(QStringLiteral("3"), {}, KnownSeller)},
            {"d.xml", first},   // the same file again
            {"e.xml", WriteInvoice(QStringLiteral("5"), {{"<TerminPlatnosci>", Paid}}, "5260001247")},
            {"f.xml", WriteInvoice(QStringLiteral("6"), {{"<NIP>1111111111</NIP>", "<NIP>2222222222</NIP>"}})},
        },
        metadata.toUtf8());
    const QList<PlannedInvoice> plan = planAll(files);
    const char *const reasons[] = {"", "", "", "duplikat: ta faktura to już plik", "zapłacona",
                                   "żaden kontrahent nie ma NIP nabywcy „2222222222”"};
    ASSERT_EQ(plan.size(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(plan[i].file.toStdString());
        EXPECT_EQ(plan[i].reason.isEmpty(), !*reasons[i]);
        EXPECT_TRUE(plan[i].reason.contains(QString::fromUtf8(reasons[i]))) << plan[i].reason.toStdString();
    }

    const QList<qint32> ids = StoreImport(plan);
    ASSERT_EQ(ids.size(), 6);
    EXPECT_EQ(ids.mid(3), (QList<qint32>{0, 0, 0}));
    // One new contractor for the two invoices of a seller not yet known, named apart from
    // the contractor already called so; none for the paid invoice's seller.
    const auto added = rows("select ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, KONTO, NIP, TYPIDENTYF from ADRESACI "
                            "where ADRESATID < 100");
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added[0].mid(1), (QVector<QVariant>{"Elektrownia S.A. (526-587-76-35)", "Elektrownia S.A.",
                                                  "ul. Kwiatowa 1 m. 2, 00-001 Warszawa", TemplateAccount,
                                                  "526-587-76-35", "N"}));
    const QVariant newSeller = added[0][0];

    const auto stored = rows(QStringLiteral(
        "select PRZELEWID, ODBIORCAID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NADAWCAID, NAZWA1_NAD, "
        "NAZWA2_NAD, KONTO_NAD, TYTUL1_ZAPL, TYTUL2_ZAPL, DATA_PRZEK, WYDRUKOWANO, NIP_ODB, NR_FAKTURY, NR_KSEF, MPP, "
        "KWOTA_VAT, cast(DATA_WPR as date) from ZWYKLE order by PRZELEWID"));
    ASSERT_EQ(stored.size(), 3);
    const QDateTime due(QDate(2026, 3, 15), QTime(0, 0), Qt::UTC);
    const auto order = [&](qint32 id, const QVariant &recipient, const char *invoice, const char *ksef,
                           const char *nip, const char *split, const QVariant &vat) {
        return QVector<QVariant>{id, recipient, "Elektrownia S.A.", "ul. Kwiatowa 1 m. 2, 00-001 Warszawa",
                                 TemplateAccount, "T", QVariant::fromValue(Money::fromGrosze(5363)), 101,
                                 "F.H.U. Jan Kowalski", "ul. Polna 1", "20102010260000160200043539",
                                 InvoiceNumber(invoice), ksef, due, "N", nip, InvoiceNumber(invoice),
                                 *ksef ? QVariant(ksef) : QVariant(), split, vat, QDate::currentDate()};
    };
    EXPECT_EQ(stored[0], order(ids[0], newSeller, "1", KsefA, SellerNip, "N", QVariant()));
    EXPECT_EQ(stored[1], order(ids[1], newSeller, "2", "", SellerNip, "T", QVariant::fromValue(Money::fromGrosze(1003))));
    EXPECT_EQ(stored[2], order(ids[2], 103, "3", "", KnownSeller, "N", QVariant()));

    // Again: every order it made is named, by KSeF number or by seller and number.
    const QString when = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const QList<PlannedInvoice> again = planAll(files);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(again[i].reason, QStringLiteral("duplikat: ta faktura to już przelew nr %1 z dnia %2").arg(ids[i]).arg(when));
    EXPECT_EQ(StoreImport(again), (QList<qint32>{0, 0, 0, 0, 0, 0}));
}

TEST_F(KsefImport, TheSenderChosenServesWhereTheBuyerIsNoContractor)
{
    const ImportFiles files =
        folder({{"a.xml", WriteInvoice(QStringLiteral("1"), {{"<NIP>1111111111</NIP>", "<NIP>2222222222</NIP>"}})},
                {"b.xml", WriteInvoice(QStringLiteral("2"))}});
    const QList<PlannedInvoice> plan = planAll(files, 104);
    ASSERT_EQ(plan.size(), 2);
    EXPECT_EQ(plan[0].reason, QString());
    EXPECT_EQ(plan[0].senderId, 104);
    EXPECT_EQ(plan[0].senderName1, QStringLiteral("Inny nabywca sp. z o.o."));
    // The buyer's own contractor goes before the one chosen.
    EXPECT_EQ(plan[1].senderId, 101);
}

TEST_F(KsefImport, WhenTheDatabaseRefusesOneOrderNothingIsStored)
{
    db.execute({"create exception NO_SECOND 'refused'",
                "create trigger ZWYKLE_REFUSE for ZWYKLE before insert as begin "
                "if (new.NR_FAKTURY like '%-2/%') then exception NO_SECOND; end"});
    const ImportFiles files = folder({{"a.xml", WriteInvoice(QStringLiteral("1"))},
                                      {"b.xml", WriteInvoice(QStringLiteral("2"), {}, KnownSeller)}});
    const QList<PlannedInvoice> plan = planAll(files);
    ASSERT_TRUE(plan[0].becomesOrder() && plan[1].becomesOrder());
    EXPECT_THROW(StoreImport(plan), FbError);
    EXPECT_TRUE(rows("select PRZELEWID from ZWYKLE").isEmpty());
    EXPECT_TRUE(rows("select ADRESATID from ADRESACI where ADRESATID < 100").isEmpty());
}
