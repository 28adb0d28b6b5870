#include "DemoData.h"
#include "FreshDatabase.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int status = -1;
    QString errors;
};

ToolRun exportTool(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral(ZANDEROL_EXPORT), args);
    tool.waitForFinished(120000);
    return {.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            .errors = QString::fromLocal8Bit(tool.readAllStandardError())};
}

// The test's own reader: iconv turns the code page into UTF-8, then lines end at CR LF
// and fields part at commas outside quotes; a quoted field comes back without its quotes.
QList<QStringList> readBack(const QString &file, const char *iconvName)
{
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QLatin1String(iconvName), QStringLiteral("-t"),
                                          QStringLiteral("UTF-8"), file});
    iconv.waitForFinished(60000);
    EXPECT_EQ(iconv.exitCode(), 0) << iconvName;
    const QString text = QString::fromUtf8(iconv.readAllStandardOutput());
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    QList<QStringList> lines;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        EXPECT_FALSE(line.contains(u'\n')) << line.toStdString();
        QStringList fields{QString()};
        bool quoted = false;
        for (const QChar c : line) {
            if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                fields << QString();
            else
                fields.last().append(c);
        }
        lines << fields;
    }
    return lines;
}

class ExportToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        database = db.path();
        AddDemoData(database);
    }
    QString file(const char *name) const { return db.directory() + u'/' + QLatin1String(name); }

    FreshDatabase db;
    QString database;
};

}

TEST_F(ExportToolTest, TheDemoOrdersReadBackFieldByFieldInEachCodePage)
{
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QList<QStringList> ordinary{
        {"110", today, "123450", "10901014", "0", "61109010140000071219812874", "72114020040000360254826891",
         "Biuro Rachunkowe Bilans s.c.|ul. Długa 5, 00-950 Warszawa", "Hurtownia Żubr sp. z o.o.|ul. Łąkowa 12, 15-001 Białystok",
         "0", "11402004", "Zapłata za fakturę|nr 17/11/2026", "", "", "51", ""},
        {"110", today, "123456750", "10901014", "0", "61109010140000071219812874", "20102010260000160200043539",
         "Biuro Rachunkowe Bilans s.c.|ul. Długa 5, 00-950 Warszawa", "Wodociągi Miejskie|ul. Wodna 1, 00-001 Warszawa",
         "0", "10201026", "Faktura 2026/12/001", "", "", "51", ""},
    };
    const QList<QStringList> tax{
        {"110", today, "421000", "10901014", "0", "61109010140000071219812874", "26101010100165392222000000",
         "Biuro Rachunkowe Bilans s.c.|ul. Długa 5, 00-950 Warszawa",
         "Urząd Skarbowy Warszawa-Śródmieście|ul. Lindleya 14, 02-013 Warszawa", "0", "10101010",
         "/TI/N5261040828/OKR/26M11/SFP/VAT-7|/TXT/", "", "", "71", ""},
    };
    const struct {
        const char *encoding, *iconvName, *list;
        QList<QStringList> lines;
        const char *skipped;
    } rows[] = {
        {"windows-1250", "CP1250", "zwykle", ordinary, "Przelew nr 2: wpłata gotówkowa nie jest przelewem"},
        {"cp852", "CP852", "zwykle", ordinary, "Przelew nr 2: wpłata gotówkowa nie jest przelewem"},
        {"iso-8859-2", "ISO-8859-2", "podatkowe", tax, nullptr},
        {"cp852", "CP852", "podatkowe", tax, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.encoding) + " " + row.list);
        const QString out = file("out.txt");
        QFile::remove(out);
        const ToolRun run = exportTool({QStringLiteral("--encoding"), QLatin1String(row.encoding), database,
                                    QLatin1String(row.list), out});
        EXPECT_EQ(run.status, 0) << run.errors.toStdString();
        if (row.skipped) {
            EXPECT_TRUE(run.errors.contains(QString::fromUtf8(row.skipped))) << run.errors.toStdString();
        }
        EXPECT_EQ(readBack(out, row.iconvName), row.lines);
    }
}

TEST_F(ExportToolTest, WhatTheToolRefusesLeavesNoFileOrTheOldOneAsItWas)
{
    const struct {
        const char *what;
        std::initializer_list<const char *> args;  // then DATABASE before the list, FILE last
        int status;
        const char *message;
    } rows[] = {
        {"the ZUS list is not exported", {"zus"}, 2, "usage:"},
        {"an unknown code page", {"--encoding", "latin-1", "zwykle"}, 2, "usage:"},
        {"an unknown bank profile", {"--profile", "nowy", "zwykle"}, 2, "usage:"},
        {"a number that is no number", {"--ids", "1,x", "zwykle"}, 2, "usage:"},
        {"a character CP852 cannot hold", {"--encoding", "cp852", "--ids", "5", "zwykle"}, 1,
         "Przelew nr 5: pole „Tytuł” zawiera znak „€” (U+20AC), którego strona kodowa CP852 (DOS) nie obejmuje."},
        {"a quote in a title", {"--ids", "6", "zwykle"}, 1,
         "Przelew nr 6: pole „Tytuł” zawiera znak „\"” (U+0022), którego plik do banku nie przenosi."},
        {"a database that cannot be opened", {"zwykle"}, 1, "cannot open the database"},
        {"an unknown past value", {"--past", "never", "zwykle"}, 2, "usage:"},
        {"a number no order carries", {"--ids", "1,99,98", "zwykle"}, 1,
         "nie ma w wykazie przelewów o numerach: 99, 98; plik nie został zapisany"},
        {"only a refused order", {"--ids", "2", "zwykle"}, 1,
         "żaden przelew nie trafił do pliku; plik nie został zapisany"},
        {"a past-dated order left out", {"--past", "skip", "--ids", "7", "zwykle"}, 1,
         "pominięte z datą przeszłą: Przelew nr 7 (02.01.2020)"},
    };
    db.execute({QStringLiteral("insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, "
                               "KONTO_NAD, TYTUL1_ZAPL, DATA_WPR) values (5, 'Sklep', '72114020040000360254826891', "
                               "'T', 10, 'Biuro', '61109010140000071219812874', 'Zaliczka 100 €', current_timestamp)"),
                QStringLiteral("insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, "
                               "KONTO_NAD, TYTUL1_ZAPL, DATA_WPR) values (6, 'Sklep', '72114020040000360254826891', "
                               "'T', 10, 'Biuro', '61109010140000071219812874', 'Umowa \"A\"', current_timestamp)"),
                QStringLiteral("insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, "
                               "KONTO_NAD, TYTUL1_ZAPL, DATA_PRZEK, DATA_WPR) values (7, 'Sklep', "
                               "'72114020040000360254826891', 'T', 10, 'Biuro', '61109010140000071219812874', 'Czynsz', "
                               "'2020-01-02', current_timestamp)")});
    const QByteArray before("what was there before\r\n");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString out = file("old.txt");
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(before);
        old.close();
        QStringList args;
        for (const char *arg : row.args)
            args << QLatin1String(arg);
        const bool unopenable = row.status == 1 && QByteArray(row.message).startsWith("cannot open");
        args.insert(args.size() - 1, unopenable ? file("none.fdb") : database);
        args << out;
        const ToolRun run = exportTool(args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(row.message))) << run.errors.toStdString();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), before);
        old.close();
    }
}
