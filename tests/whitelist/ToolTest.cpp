#include "FlatFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int status = -1;
    QString output;
    QString errors;
};

// The tool with a home of its own: the index goes to the data directory, or to the
// directory Zanderol.ini names.
ToolRun whitelistTool(const QString &home, const QStringList &args)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(ZANDEROL_WHITELIST), args);
    tool.waitForFinished(120000);
    return {.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            .output = QString::fromUtf8(tool.readAllStandardOutput()),
            .errors = QString::fromLocal8Bit(tool.readAllStandardError())};
}

struct ToolRow
{
    const char *what;
    QStringList args;
    int status;
    const char *said; // the start of the output, or a part of the error
};

}

TEST(WhitelistToolTest, ExitStatusAndWordTellScriptsTheAnswer)
{
    QTemporaryDir home;
    const QString good = home.filePath(QStringLiteral("20261211.json"));
    WriteFlatFile(good, FlatFile::sample().json());
    const QString broken = home.filePath(QStringLiteral("uciety.json"));
    WriteFlatFile(broken, FlatFile::sample().json().left(300));
    const QString day = QStringLiteral("--date");

    const ToolRow rows[] = {
        {"no list read yet", {"check", Sample::Nip, Sample::ActiveAccount, day, Sample::Day}, 2, "Nie wczytano"},
        {"import", {"import", good}, 0, "wczytano wykaz z dnia 2026-12-11: czynni 2, zwolnieni 1, maski 2"},
        {"active", {"check", Sample::Nip, Sample::ActiveAccount, day, Sample::Day}, 0, "czynny: "},
        {"exempt", {"check", QStringLiteral("526-025-02-74"), Sample::ExemptAccount, day, Sample::Day}, 0, "zwolniony: "},
        {"virtual", {"check", Sample::Nip, Sample::VirtualAccount, day, Sample::Day}, 0, "wirtualny: "},
        {"not listed", {"check", Sample::Nip, Sample::UnlistedAccount, day, Sample::Day}, 1, "brak: "},
        {"another day", {"check", Sample::Nip, Sample::ActiveAccount, day, QStringLiteral("20261212")}, 2, "11.12.2026"},
        {"bad NIP", {"check", QStringLiteral("5260250275"), Sample::ActiveAccount, day, Sample::Day}, 2, "NIP"},
        {"bad account", {"check", Sample::Nip, QStringLiteral("12345"), day, Sample::Day}, 2, "NRB"},
        {"a date that is not one", {"check", Sample::Nip, Sample::ActiveAccount, day, QStringLiteral("2026-12-11")}, 2,
         "RRRRMMDD"},
        {"a truncated file keeps the list", {"import", broken}, 2, "niekompletny"},
        {"the list kept", {"check", Sample::Nip, Sample::ActiveAccount, day, Sample::Day}, 0, "czynny: "},
        {"no command", {}, 2, "usage"},
        {"check without an account", {"check", Sample::Nip}, 2, "usage"},
    };
    for (const ToolRow &row : rows) {
        SCOPED_TRACE(row.what);
        const ToolRun run = whitelistTool(home.path(), row.args);
        EXPECT_EQ(run.status, row.status) << run.errors.toStdString();
        if (row.status == 2) {
            EXPECT_TRUE(run.errors.contains(QString::fromUtf8(row.said))) << run.errors.toStdString();
        } else {
            EXPECT_TRUE(run.output.startsWith(QString::fromUtf8(row.said))) << run.output.toStdString();
        }
    }
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("data/Zanderol/wykaz-vat.idx"))));
}

TEST(WhitelistToolTest, AnOfficeSharesTheListInTheDirectoryZanderolIniNames)
{
    QTemporaryDir home;
    const QString shared = home.filePath(QStringLiteral("biuro/wykaz"));
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("config/zanderol"))));
    QFile ini(home.filePath(QStringLiteral("config/zanderol/Zanderol.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Baza]\nPlik=/tmp/x.fdb\n[Wykaz]\nKatalog=" + shared.toUtf8() + "\n");
    ini.close();
    const QString good = home.filePath(QStringLiteral("20261211.json"));
    WriteFlatFile(good, FlatFile::sample().json());

    EXPECT_EQ(whitelistTool(home.path(), {"import", good}).status, 0);
    EXPECT_TRUE(QFile::exists(shared + QStringLiteral("/wykaz-vat.idx")));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("data/Zanderol/wykaz-vat.idx"))));
    EXPECT_EQ(whitelistTool(home.path(), {"check", Sample::Nip, Sample::ActiveAccount, "--date", Sample::Day}).status, 0);
}
