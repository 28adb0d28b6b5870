#include "FlatFiles.h"
#include "WhitelistCheck.h"
#include "WhitelistImport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct CheckRow
{
    const char *what;
    QString nip;
    QString account;
    QString day;
    std::optional<WhitelistStatus> status; // nothing: a fault
    std::optional<WhitelistFault> fault;
};

}

TEST(WhitelistCheckTest, ANipAndAccountAnswerAsTheListOfTheirDaySays)
{
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("lista.json"));
    WriteFlatFile(file, FlatFile::sample().json());
    ASSERT_TRUE(std::holds_alternative<FlatFileSummary>(ImportFlatFile(file, directory.path())));

    using S = WhitelistStatus;
    using F = WhitelistFault;
    const QString day = Sample::Day;
    const CheckRow rows[] = {
        {"active", Sample::Nip, Sample::ActiveAccount, day, S::Active, {}},
        {"separators as typed", QStringLiteral("526-025-02-74"), QStringLiteral("61 1090 1014 0000 0712 1981 2874"), day,
         S::Active, {}},
        {"exempt", Sample::Nip, Sample::ExemptAccount, day, S::Exempt, {}},
        {"virtual through a mask", Sample::Nip, Sample::VirtualAccount, day, S::Virtual, {}},
        {"a mask fits but its masked account is not listed", Sample::Nip, Sample::UnlistedVirtualAccount, day,
         S::NotListed, {}},
        {"an account nowhere", Sample::Nip, Sample::UnlistedAccount, day, S::NotListed, {}},
        {"a listed account of another taxpayer", Sample::OtherNip, Sample::ActiveAccount, day, S::NotListed, {}},
        {"the day before the list's", Sample::Nip, Sample::ActiveAccount, QStringLiteral("20261210"), {}, F::OtherDay},
        {"the day after the list's", Sample::Nip, Sample::ActiveAccount, QStringLiteral("20261212"), {}, F::OtherDay},
        {"NIP check digit wrong", QStringLiteral("5260250275"), Sample::ActiveAccount, day, {}, F::BadNip},
        {"NIP second and third digit both 0", QStringLiteral("1002003005"), Sample::ActiveAccount, day, {}, F::BadNip},
        {"NIP of nine digits", QStringLiteral("526025027"), Sample::ActiveAccount, day, {}, F::BadNip},
        {"NIP with a letter", QStringLiteral("PL5260250274"), Sample::ActiveAccount, day, {}, F::BadNip},
        {"account check digits wrong", Sample::Nip, QStringLiteral("62109010140000071219812874"), day, {}, F::BadAccount},
        {"account too short", Sample::Nip, Sample::ActiveAccount.left(25), day, {}, F::BadAccount},
    };
    for (const CheckRow &row : rows) {
        SCOPED_TRACE(row.what);
        const WhitelistResult result =
            CheckOnWhitelist(directory.path(), row.nip, row.account, QDate::fromString(row.day, QStringLiteral("yyyyMMdd")));
        if (row.status) {
            ASSERT_TRUE(std::holds_alternative<WhitelistAnswer>(result)) << std::get<WhitelistError>(result).message.toStdString();
            EXPECT_EQ(std::get<WhitelistAnswer>(result).status, *row.status);
            EXPECT_EQ(std::get<WhitelistAnswer>(result).listDate, QDate(2026, 12, 11));
        } else {
            ASSERT_TRUE(std::holds_alternative<WhitelistError>(result));
            const WhitelistError &error = std::get<WhitelistError>(result);
            EXPECT_EQ(error.fault, *row.fault);
            EXPECT_EQ(error.listDate, QDate(2026, 12, 11));
            if (error.fault == F::OtherDay) {
                EXPECT_TRUE(error.message.contains(QStringLiteral("11.12.2026"))) << error.message.toStdString();
            }
        }
    }

    QTemporaryDir empty;
    const WhitelistResult none = CheckOnWhitelist(empty.path(), Sample::Nip, Sample::ActiveAccount, QDate(2026, 12, 11));
    ASSERT_TRUE(std::holds_alternative<WhitelistError>(none));
    EXPECT_EQ(std::get<WhitelistError>(none).fault, F::NoList);
}
