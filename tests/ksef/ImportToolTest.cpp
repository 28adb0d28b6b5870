#include "FreshDatabase.h"
#include "TestInvoices.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int status = -1;
    QStringList lines;
    QString errors;
};

ToolRun importTool(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral(ZANDEROL_IMPORT), args);
    tool.waitForFinished(120000);
    return {.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            .lines = QString::fromLocal8Bit(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            .errors = QString::fromLocal8Bit(tool.readAllStandardError())};
}

}

// The rows run in turn on one database: a later row sees what an earlier one stored.
TEST(ImportTool, ExitsAsScriptsExpectAndNeverImportsADuplicate)
{
    FreshDatabase db;
    db.execute({"insert into ADRESACI (ADRESATID, NAZWA, NIP) values (101, 'Kowalski', '1111111111')",
                "insert into ADRESACI (ADRESATID, NAZWA) values (102, 'Bez NIP')"});
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("dobre"));
    const QString mixed = dir.filePath(QStringLiteral("mieszane"));
    const QString noBuyer = dir.filePath(QStringLiteral("nabywca.xml"));
    QDir().mkpath(good);
    QDir().mkpath(mixed);
    const QString empty = dir.filePath(QStringLiteral("pusty"));
    QDir().mkpath(empty);
    ASSERT_TRUE(WriteFile(good + QStringLiteral("/1.xml"), WriteInvoice(QStringLiteral("1"))));
    ASSERT_TRUE(WriteFile(good + QStringLiteral("/2.xml"), WriteInvoice(QStringLiteral("2"))));
    ASSERT_TRUE(WriteFile(mixed + QStringLiteral("/3.xml"), WriteInvoice(QStringLiteral("3"))));
    ASSERT_TRUE(WriteFile(mixed + QStringLiteral("/4.xml"), "<Faktura>"));
    ASSERT_TRUE(WriteFile(noBuyer, WriteInvoice(QStringLiteral("5"), {{"<NIP>1111111111</NIP>", "<NIP>2222222222</NIP>"}})));
    const QString database = db.path();

    const struct {
        const char *what;
        QStringList args;
        int status;
        QStringList lines;   // each line's end
        const char *error;
    } rows[] = {
        {"no arguments", {}, 2, {}, "usage"},
        {"no files", {database}, 2, {}, "usage"},
        {"a sender that is no number", {"--sender", "x", database, good}, 2, {}, "usage"},
        {"a file that is not there", {database, dir.filePath("brak.xml")}, 2, {}, "nie istnieje"},
        {"a folder without invoices", {database, empty}, 2, {}, "nie znaleziono żadnej faktury"},
        {"a sender that is no contractor", {"--sender", "9", database, noBuyer}, 2, {}, "nie ma kontrahenta"},
        {"every invoice an order", {database, good}, 0, {": 1", ": 2"}, nullptr},
        {"the same folder again", {database, good}, 1,
         {"pominięto: duplikat: ta faktura to już przelew nr 1", "pominięto: duplikat: ta faktura to już przelew nr 2"},
         nullptr},
        {"one file malformed", {database, mixed}, 1, {": 3", "pominięto: plik nie jest fakturą"}, nullptr},
        {"a buyer no contractor has", {database, noBuyer}, 1, {"pominięto: żaden kontrahent"}, nullptr},
        {"the sender given", {"--sender", "102", database, noBuyer}, 0, {": 4"}, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const ToolRun run = importTool(row.args);
        EXPECT_EQ(run.status, row.status) << run.errors.toStdString();
        EXPECT_EQ(run.lines.size(), row.lines.size()) << run.lines.join(u'\n').toStdString();
        for (int i = 0; i < std::min(row.lines.size(), run.lines.size()); ++i)
            EXPECT_TRUE(run.lines[i].endsWith(row.lines[i]) || run.lines[i].contains(row.lines[i] + u' '))
                << run.lines[i].toStdString();
        if (row.error) {
            EXPECT_TRUE(run.errors.contains(QString::fromUtf8(row.error))) << run.errors.toStdString();
        }
    }
}
