#include "ErrorReport.h"
#include "FbError.h"
#include "MessageRecorder.h"

#include <gtest/gtest.h>

TEST(ErrorReport, DatabaseErrorsShowTheirOwnMessageAndAbortsAreSilent)
{
    MessageRecorder messages;
    bool after = false;
    EXPECT_FALSE(RunGuarded([&] {
        throw FbError("violation of PRIMARY or UNIQUE KEY constraint", {335544665});
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_EQ(messages.warnings, QStringList{"violation of PRIMARY or UNIQUE KEY constraint"});

    EXPECT_FALSE(RunGuarded([] { throw AbortOperation(); }));
    EXPECT_EQ(messages.warnings.size(), 1);

    EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("Brak pamięci"); }));
    EXPECT_EQ(messages.warnings.last(), "Brak pamięci");

    EXPECT_TRUE(RunGuarded([&] { after = true; }));
    EXPECT_TRUE(after);
    EXPECT_EQ(messages.warnings.size(), 2);
}
