#include "MessageRecorder.h"
#include "ModalSeam.h"
#include "PrintRun.h"
#include "RecordingTarget.h"
#include "Samples.h"
#include "SettingsSandbox.h"
#include "TDrukFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

class PrintRunTest : public ::testing::Test
{
protected:
    PrintRunTest() : recorder(QStringLiteral("HP"))
    {
        dialog.SetPrinterName(QStringLiteral("HP"));
        dialog.setTargetFactory([this](const QString &) {
            ++targetsOpened;
            return std::make_unique<BorrowedTarget>(recorder);
        });
        ModalSeam::install([this](QDialog &d) {
            if (setOptions)
                setOptions(d);
            return answer;
        });
    }
    ~PrintRunTest() override { ModalSeam::install(nullptr); }

    void copies(int n) { dialog.findChild<QSpinBox *>(QStringLiteral("EdKopie"))->setValue(n); }

    // The check digits of each printed F-101, in the order of the pages.
    QStringList zusComponents() const
    {
        QStringList printed;
        for (const RecordedJob &job : recorder.jobs)
            printed << job.texts.value(0).text + job.texts.value(1).text;
        return printed;
    }

    SettingsSandbox sandbox;
    MessageRecorder messages;
    RecordingTarget recorder;
    TDrukFrm dialog;
    int targetsOpened = 0;
    int answer = QDialog::Accepted;
    std::function<void(QDialog &)> setOptions;
};

}

TEST_F(PrintRunTest, CancellingPrintsNothing)
{
    answer = QDialog::Rejected;
    EXPECT_FALSE(RunPrint(Samples::ordinary(), dialog));
    EXPECT_EQ(targetsOpened, 0);
    EXPECT_TRUE(recorder.jobs.isEmpty());
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(PrintRunTest, EachCopyIsAJobOfOnePage)
{
    copies(3);
    EXPECT_TRUE(RunPrint(Samples::ordinary(), dialog));
    ASSERT_EQ(recorder.jobs.size(), 3);
    for (const RecordedJob &job : recorder.jobs) {
        EXPECT_TRUE(job.ended);
        EXPECT_EQ(job.title, QStringLiteral("Przelew zwykły"));
        EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    }
    EXPECT_EQ(targetsOpened, 1);
    EXPECT_EQ(recorder.runsFinished, 1);
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(PrintRunTest, TheSecondEntryPrintsTheSecondFormWithTheOptions)
{
    setOptions = [](QDialog &d) {
        d.findChild<QComboBox *>(QStringLiteral("EdWzor"))->setCurrentIndex(1);
        d.findChild<QCheckBox *>(QStringLiteral("EdDuzeLitery"))->setChecked(true);
        d.findChild<QCheckBox *>(QStringLiteral("EdData"))->setChecked(true);
    };
    RunPrint(Samples::ordinary(), dialog);
    ASSERT_EQ(recorder.jobs.size(), 1);
    EXPECT_EQ(recorder.jobs.first().orientation, QPageLayout::Landscape);
    EXPECT_TRUE(recorder.jobs.first().textsOnly().contains(QStringLiteral("05-03-2004")));
    EXPECT_EQ(recorder.jobs.first().texts.first().text, QStringLiteral("Z"));

    recorder.jobs.clear();
    RunPrint(Samples::tax(), dialog);
    ASSERT_EQ(recorder.jobs.size(), 1);
    // K-471: after the two runs of the long first name, the second name in boxes 114 units apart.
    const RecordedJob &k471 = recorder.jobs.first();
    EXPECT_EQ(k471.texts[2].text, QStringLiteral("U"));
    EXPECT_EQ(k471.texts[3].x - k471.texts[2].x, 114);
}

TEST_F(PrintRunTest, ZusPrintsCheckedComponentsWithAnAmountAllCopiesOfOneFirst)
{
    copies(2);
    // Amounts 100,00, 0,00 and 50,00.
    EXPECT_TRUE(RunPrint(Samples::zus(), dialog));
    EXPECT_EQ(zusComponents(), QStringList({QStringLiteral("83"), QStringLiteral("83"), QStringLiteral("73"),
                                            QStringLiteral("73")}));
    for (const RecordedJob &job : recorder.jobs)
        EXPECT_EQ(job.title, QStringLiteral("Przelew ZUS"));
}

TEST_F(PrintRunTest, UncheckedComponentsAreSkipped)
{
    TZUS r = Samples::zus();
    r.SetComponentAmount(52, Money::fromGrosze(1));
    setOptions = [](QDialog &d) { d.findChild<QCheckBox *>(QStringLiteral("Druk51"))->setChecked(false); };
    RunPrint(r, dialog);
    EXPECT_EQ(zusComponents(), QStringList({QStringLiteral("78"), QStringLiteral("73")}));
}

TEST_F(PrintRunTest, ZusWithNothingToPayPrintsNothingAndSaysNothing)
{
    TZUS r = Samples::zus();
    r.SetComponentAmount(51, Money());
    r.SetComponentAmount(53, Money());
    EXPECT_TRUE(RunPrint(r, dialog));
    EXPECT_EQ(targetsOpened, 0);
    EXPECT_TRUE(recorder.jobs.isEmpty());
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(PrintRunTest, TheRunLeavesTheRecordAsItWas)
{
    const TZUS r = Samples::zus();
    RunPrint(r, dialog);
    EXPECT_EQ(r.CurrentComponent(), 51);
}

TEST_F(PrintRunTest, APrinterErrorStopsTheRunAndReachesTheUser)
{
    copies(3);
    recorder.failOnEnd = true;
    EXPECT_FALSE(RunPrint(Samples::tax(), dialog));
    EXPECT_EQ(recorder.jobs.size(), 1) << "the copies after the failure are not printed";
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains(QStringLiteral("„HP”")));

    messages.warnings.clear();
    recorder.jobs.clear();
    recorder.failOnEnd = false;
    recorder.failOnBegin = true;
    EXPECT_FALSE(RunPrint(Samples::zus(), dialog));
    EXPECT_EQ(messages.warnings, QStringList({QStringLiteral("Drukarka jest wyłączona.")}));
}

TEST_F(PrintRunTest, AnUnreadableMarginEntryStopsTheRunWithItsMessage)
{
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-110"), QStringLiteral("Gora"), 1);
    EXPECT_FALSE(RunPrint(Samples::ordinary(), dialog));
    EXPECT_TRUE(recorder.jobs.isEmpty());
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains(QStringLiteral("„Lewy”")));
}

TEST_F(PrintRunTest, MarginsSavedBetweenPrintsApplyToTheNextPrint)
{
    RunPrint(Samples::ordinary(), dialog);
    SaveMargins(QStringLiteral("HP"), QStringLiteral("F-110"), 1, 0);
    RunPrint(Samples::ordinary(), dialog);
    ASSERT_EQ(recorder.jobs.size(), 2);
    EXPECT_EQ(recorder.jobs[1].texts.first().x - recorder.jobs[0].texts.first().x, 24);
}

TEST_F(PrintRunTest, ItemsBeyondThePrintableAreaAreReportedOncePerRun)
{
    SaveMargins(QStringLiteral("HP"), QStringLiteral("F-110"), 100, 0);
    copies(3);
    EXPECT_TRUE(RunPrint(Samples::ordinary(), dialog));
    EXPECT_EQ(recorder.jobs.size(), 3);
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains(QStringLiteral("F-110")));
    EXPECT_TRUE(messages.warnings.first().contains(QStringLiteral(" mm")));
}

TEST_F(PrintRunTest, CutOffMessageNamesFormPrinterAndMillimetres)
{
    EXPECT_EQ(CutOffMessage(PrintForm::K471, QStringLiteral("HP"), 2.01),
              QStringLiteral("Formularz K-471 wychodzi poza obszar, który drukarka „HP” może zadrukować: "
                             "do 2,1 mm wydruku zostało obcięte. Sprawdź marginesy (przycisk „Marginesy”)."));
}
