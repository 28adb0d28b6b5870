#include "ImportFiles.h"
#include "TestInvoices.h"

#include <QDir>
#include <QTemporaryDir>
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

namespace {

const QString NumberA = QStringLiteral("5265877635-20250826-0100001AF629-AF");
const QString NumberB = QStringLiteral("5265877635-20250916-0200A0D6723E-C2");
const QString BrokenA = QStringLiteral("5265877635-20250826-0100001AF629-AE");
const QString OtherSeller = QStringLiteral("1111111111-20260115-ABCDEF012345-B8");

struct Entry
{
    QString number, invoiceNumber, hash;
};

QByteArray metadata(const QList<Entry> &entries)
{
    QStringList objects;
    for (const Entry &e : entries)
        objects << QStringLiteral("{\"ksefNumber\": \"%1\", \"invoiceNumber\": \"%2\", \"invoiceHash\": \"%3\", "
                                  "\"seller\": {\"nip\": \"%4\", \"name\": \"Elektrownia S.A.\"}}")
                       .arg(e.number, e.invoiceNumber, e.hash, QLatin1String(SellerNip));
    return QStringLiteral("{\"invoices\": [%1]}").arg(objects.join(u',')).toUtf8();
}

QByteArray receipt(const Entry &e)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<Potwierdzenie xmlns=\"http://upo.schematy.mf.gov.pl/KSeF/v4-3\"><Dokument>"
                          "<NipSprzedawcy>%4</NipSprzedawcy><NumerKSeFDokumentu>%1</NumerKSeFDokumentu>"
                          "<NumerFaktury>%2</NumerFaktury><SkrotDokumentu>%3</SkrotDokumentu></Dokument>"
                          "</Potwierdzenie>")
        .arg(e.number, e.invoiceNumber, e.hash, QLatin1String(SellerNip))
        .toUtf8();
}

bool writeZip(const QString &path, const QList<std::pair<QString, QByteArray>> &files)
{
    archive *zip = archive_write_new();
    bool ok = archive_write_set_format_zip(zip) == ARCHIVE_OK &&
              archive_write_open_filename(zip, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    for (const auto &[name, bytes] : files) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, bytes.size());
        ok = ok && archive_write_header(zip, entry) == ARCHIVE_OK &&
             archive_write_data(zip, bytes.constData(), size_t(bytes.size())) == bytes.size();
        archive_entry_free(entry);
    }
    ok = archive_write_close(zip) == ARCHIVE_OK && ok;
    archive_write_free(zip);
    return ok;
}

}

// Each row puts one invoice in a folder (or a ZIP) beside the sources it names and
// expects the number found, and how many numbers were found but not used.
TEST(KsefNumberSources, TheNumberComesFromMetadataThenReceiptThenTheFileName)
{
    const QByteArray invoice = WriteInvoice(QStringLiteral("7"));
    const QString hash = KsefNumberSources::Hash(invoice);
    const QString number = InvoiceNumber(QStringLiteral("7"));
    const QString elsewhere = QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=");
    const struct {
        const char *what;
        QList<Entry> metadataEntries;
        QList<Entry> receipts;
        QString fileName;
        bool zipped;
        QString expected;
        int notes;
    } rows[] = {
        {"metadata by hash, whatever the number says",
         {{NumberB, number, elsewhere}, {NumberA, QStringLiteral("inny"), hash}}, {}, "f.xml", false, NumberA, 0},
        {"metadata by seller and number", {{NumberA, number, elsewhere}}, {}, "f.xml", false, NumberA, 0},
        {"metadata of another invoice only", {{NumberA, QStringLiteral("inny"), elsewhere}}, {}, "f.xml", false, "", 0},
        {"metadata's number broken, the receipt's used", {{BrokenA, number, hash}}, {{NumberB, number, hash}}, "f.xml",
         false, NumberB, 1},
        {"metadata's number of another seller, the file name used", {{OtherSeller, number, hash}}, {},
         NumberA + ".xml", false, NumberA, 1},
        {"receipt by hash", {}, {{NumberB, QStringLiteral("inny"), hash}}, "f.xml", false, NumberB, 0},
        {"receipt by seller and number", {}, {{NumberB, number, elsewhere}}, "f.xml", false, NumberB, 0},
        {"the file's own name", {}, {}, NumberB + ".xml", false, NumberB, 0},
        {"a file name that fails its check", {}, {}, BrokenA + ".xml", false, "", 1},
        {"metadata in a ZIP", {{NumberA, number, hash}}, {}, "f.xml", true, NumberA, 0},
        {"receipt in a ZIP", {}, {{NumberB, number, elsewhere}}, "f.xml", true, NumberB, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        QList<std::pair<QString, QByteArray>> files{{row.fileName, invoice}};
        if (!row.metadataEntries.isEmpty())
            files.append({QStringLiteral("_metadata.json"), metadata(row.metadataEntries)});
        for (int i = 0; i < row.receipts.size(); ++i)
            files.append({QStringLiteral("UPO-%1.xml").arg(i), receipt(row.receipts[i])});
        QString path = dir.path();
        if (row.zipped) {
            path = dir.filePath(QStringLiteral("paczka.zip"));
            ASSERT_TRUE(writeZip(path, files));
        } else {
            for (const auto &[name, bytes] : files)
                ASSERT_TRUE(WriteFile(dir.filePath(name), bytes));
        }
        const auto read = ReadImportPaths({path});
        ASSERT_TRUE(std::holds_alternative<ImportFiles>(read)) << std::get<QString>(read).toStdString();
        const ImportFiles &found = std::get<ImportFiles>(read);
        EXPECT_TRUE(found.warnings.isEmpty()) << found.warnings.join(u'\n').toStdString();
        if (found.invoices.size() != 1) {   // receipts and metadata are no invoices
            ADD_FAILURE() << found.invoices.size() << " invoices";
            continue;
        }
        const InvoiceFile &file = found.invoices.first();
        const auto ksef = file.numbers->find(file.bytes, file.fileName, QLatin1String(SellerNip), number);
        EXPECT_EQ(ksef.number, row.expected);
        EXPECT_EQ(ksef.notes.size(), row.notes) << ksef.notes.join(u'\n').toStdString();
    }
}

// A folder gives its own invoices, not its subfolders'; a file named on its own finds
// its number in its folder's metadata all the same.
TEST(KsefNumberSources, AFolderIsReadWithoutItsSubfoldersAndAFileWithItsFoldersSources)
{
    QTemporaryDir dir;
    const QByteArray invoice = WriteInvoice(QStringLiteral("7"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("stare")));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("a.xml")), invoice));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("stare/b.xml")), WriteInvoice(QStringLiteral("8"))));
    ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("_metadata.json")),
                          metadata({{NumberA, QString(), KsefNumberSources::Hash(invoice)}})));
    for (const QString &path : {dir.path(), dir.filePath(QStringLiteral("a.xml"))}) {
        SCOPED_TRACE(path.toStdString());
        const auto read = ReadImportPaths({path});
        ASSERT_TRUE(std::holds_alternative<ImportFiles>(read));
        const QList<InvoiceFile> &invoices = std::get<ImportFiles>(read).invoices;
        ASSERT_EQ(invoices.size(), 1);
        EXPECT_TRUE(invoices[0].name.endsWith(QStringLiteral("a.xml")));
        EXPECT_EQ(invoices[0].numbers->find(invoices[0].bytes, invoices[0].fileName, QLatin1String(SellerNip), "").number,
                  NumberA);
    }
}
