#include "MessageRecorder.h"
#include "ModalSeam.h"
#include "PrintRun.h"
#include "PrinterList.h"
#include "PrinterTarget.h"
#include "Samples.h"
#include "SettingsSandbox.h"
#include "TDrukFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int pageCount(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

// The text of the file as poppler reads it, with runs of white space made single.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// The payment code on one page of the file as a phone's camera reads it; empty when it finds none.
QString decodedCode(const QString &pdf, int page)
{
    const QString picture = pdf + QStringLiteral("-%1").arg(page);
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
                                              QStringLiteral("-l"), QString::number(page), pdf, picture});
    render.waitForFinished(60000);
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), picture + QStringLiteral(".png")});
    zbar.waitForFinished(60000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

class PdfOutputTest : public ::testing::Test
{
protected:
    PdfOutputTest()
    {
        dialog.SetPrinterName(PdfPrinterName());
        dialog.setPdfFileChooser([this](QWidget *, const QString &) {
            ++filesAsked;
            return fileName;
        });
        ModalSeam::install([this](QDialog &d) {
            if (setOptions)
                setOptions(d);
            return int(QDialog::Accepted);
        });
    }
    ~PdfOutputTest() override { ModalSeam::install(nullptr); }

    static bool haveTextTool() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

    SettingsSandbox sandbox;
    MessageRecorder messages;
    QTemporaryDir dir;
    QString fileName = dir.filePath(QStringLiteral("wydruk.pdf"));
    TDrukFrm dialog;
    int filesAsked = 0;
    std::function<void(QDialog &)> setOptions;
};

}

TEST_F(PdfOutputTest, OneRunMakesOneFileWithOnePagePerJob)
{
    dialog.findChild<QSpinBox *>(QStringLiteral("EdKopie"))->setValue(3);
    EXPECT_TRUE(RunPrint(Samples::ordinary(), dialog));
    EXPECT_EQ(filesAsked, 1);
    EXPECT_EQ(pageCount(fileName), 3);
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();
}

TEST_F(PdfOutputTest, ZusComponentsFollowEachOtherInOneFile)
{
    dialog.findChild<QSpinBox *>(QStringLiteral("EdKopie"))->setValue(2);
    EXPECT_TRUE(RunPrint(Samples::zus(), dialog));
    EXPECT_EQ(pageCount(fileName), 4);
}

TEST_F(PdfOutputTest, GivingNoFileCancelsTheRun)
{
    fileName.clear();
    EXPECT_FALSE(RunPrint(Samples::ordinary(), dialog));
    EXPECT_EQ(filesAsked, 1);
    EXPECT_TRUE(dir.isValid());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(PdfOutputTest, AFileThatCannotBeWrittenIsReported)
{
    fileName = dir.filePath(QStringLiteral("brak/katalogu/wydruk.pdf"));
    EXPECT_FALSE(RunPrint(Samples::tax(), dialog));
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains(QStringLiteral("wydruk.pdf")));
}

TEST_F(PdfOutputTest, EveryFormCarriesItsTexts)
{
    if (!haveTextTool())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    struct Case
    {
        const char *name;
        std::function<bool()> print;
        int formIndex;
        int pages;
        QStringList expected;
    };
    const TZwykly ordinary = Samples::ordinary();
    const TPodatkowy tax = Samples::tax();
    const TZUS zus = Samples::zus();
    const QList<Case> cases{
        {"F-110", [&] { return RunPrint(ordinary, dialog); }, 0, 1,
         {QStringLiteral("UL. DŁUGA 5, 00-950 WARSZAWA"), QStringLiteral("05-03-2004")}},
        {"K-117", [&] { return RunPrint(ordinary, dialog); }, 1, 1,
         {QStringLiteral("UL. DŁUGA 5, 00-950 WARSZAWA"), QStringLiteral("05-03-2004")}},
        {"F-130", [&] { return RunPrint(tax, dialog); }, 0, 1,
         {QStringLiteral("URZĄD SKARBOWY KRAKÓW-ŚRÓDMIEŚCIE"), QStringLiteral("25-04-2004")}},
        {"K-471", [&] { return RunPrint(tax, dialog); }, 1, 1,
         {QStringLiteral("URZĄD SKARBOWY KRAKÓW-ŚRÓDMIEŚCIE"), QStringLiteral("25-04-2004")}},
        // Components 51 and 53 are paid: one job each.
        {"F-101", [&] { return RunPrint(zus, dialog); }, 0, 2,
         {QStringLiteral("JAN KOWALSKI"), QStringLiteral("UL. POLNA 1"), QStringLiteral("ŁÓDŹ")}},
    };
    dialog.findChild<QCheckBox *>(QStringLiteral("EdData"))->setChecked(true);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fileName = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        const int index = c.formIndex;
        setOptions = [index](QDialog &d) { d.findChild<QComboBox *>(QStringLiteral("EdWzor"))->setCurrentIndex(index); };
        ASSERT_TRUE(c.print());
        EXPECT_EQ(pageCount(fileName), c.pages);
        const QString text = pdfText(fileName);
        for (const QString &expected : c.expected)
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in " << text.toStdString();
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();
}

TEST_F(PdfOutputTest, APdfAndThePreviewCarryThePaymentCodeOfAnOrdinaryTransfer)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed";
    // The sample's account fails its check, and only a valid account can be paid by the code.
    TZwykly firm = Samples::ordinary();
    firm.RecipientAccount = QStringLiteral("72 1140 2004 0000 3602 5482 6891");
    TZwykly large = firm;
    large.RecipientNip = QStringLiteral("1234563218");
    large.Amount = Money::fromGrosze(1234567);
    TZwykly deposit = firm;
    deposit.IsTransfer = false;
    const TZwykly invalidAccount = Samples::ordinary();
    TZwykly blankAccount = firm;
    blankAccount.RecipientAccount = QStringLiteral("__ ____ ____ ____ ____ ____ ____");
    const struct {
        const char *what;
        const TZwykly &record;
        int formIndex;
        bool preview;
        int codePage;
        const char *payload;  // nullptr: no code anywhere
    } rows[] = {
        {"F-110 beside the form, Polish letters kept", firm, 0, false, 1,
         "|PL|72114020040000360254826891|123450|Zakład Usług Łącznoś|Faktura 12/2004 zapłata za żółte|||"},
        {"K-117 on the page after the form", firm, 1, false, 2,
         "|PL|72114020040000360254826891|123450|Zakład Usług Łącznoś|Faktura 12/2004 zapłata za żółte|||"},
        {"above 9 999,99 zł the app asks for the amount", large, 0, false, 1,
         "1234563218|PL|72114020040000360254826891||Zakład Usług Łącznoś|Faktura 12/2004 zapłata za żółte|||"},
        {"a cash deposit is paid at the counter", deposit, 0, false, 1, nullptr},
        {"a cash deposit on K-117 gets no page of its own", deposit, 1, false, 2, nullptr},
        {"an account that fails its check", invalidAccount, 0, false, 1, nullptr},
        {"no account at all", blankAccount, 0, false, 1, nullptr},
        // Last: the preview leaves the print dialog cancelled.
        {"the preview", firm, 0, true, 1,
         "|PL|72114020040000360254826891|123450|Zakład Usług Łącznoś|Faktura 12/2004 zapłata za żółte|||"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        fileName = dir.filePath(QString::fromUtf8(row.what) + QStringLiteral(".pdf"));
        const int index = row.formIndex;
        if (row.preview) {
            dialog.setPreviewShower([this](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
                printer.setOutputFileName(fileName);
                paint(&printer);
            });
            ModalSeam::install([this, index](QDialog &d) {
                d.findChild<QComboBox *>(QStringLiteral("EdWzor"))->setCurrentIndex(index);
                dialog.PreviewBtnClick();
                return int(QDialog::Rejected);
            });
            EXPECT_FALSE(RunPrint(row.record, dialog));
        } else {
            setOptions = [index](QDialog &d) { d.findChild<QComboBox *>(QStringLiteral("EdWzor"))->setCurrentIndex(index); };
            ASSERT_TRUE(RunPrint(row.record, dialog));
        }
        if (row.payload) {
            EXPECT_EQ(pageCount(fileName), row.codePage);
            EXPECT_EQ(decodedCode(fileName, row.codePage).toStdString(), row.payload);
        } else {
            EXPECT_EQ(pageCount(fileName), 1);
            EXPECT_EQ(decodedCode(fileName, 1).toStdString(), "");
        }
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();
}

TEST_F(PdfOutputTest, PreviewShowsTheFirstPageOnly)
{
    const QString previewFile = dir.filePath(QStringLiteral("podglad.pdf"));
    int previews = 0;
    dialog.setPreviewShower([&](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
        ++previews;
        EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
        printer.setOutputFileName(previewFile);
        paint(&printer);
    });
    dialog.findChild<QSpinBox *>(QStringLiteral("EdKopie"))->setValue(2);
    ModalSeam::install([this](QDialog &d) {
        if (d.objectName() == QStringLiteral("DrukFrm"))
            dialog.PreviewBtnClick();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(RunPrint(Samples::zus(), dialog));
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(pageCount(previewFile), 1);
    EXPECT_EQ(filesAsked, 0) << "a preview writes no file of its own";
    EXPECT_FALSE(QFile::exists(fileName));

    // Outside a print run there is nothing to preview.
    dialog.PreviewBtnClick();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(messages.warnings.size(), 1);
}

// The file chooser starts where the user keeps files, never in the working directory,
// offers a name that tells the orders apart, and next time opens where the last file
// went while that folder exists.
TEST(PdfFileChooser, OffersTheOrdersNameInTheUsersFolderThenInTheLastOneUsed)
{
    SettingsSandbox sandbox;
    MessageRecorder messages;
    QTemporaryDir dir;
    const QString chosenFolder = dir.filePath(QStringLiteral("wydruki"));
    ASSERT_TRUE(QDir().mkpath(chosenFolder));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString usersFolder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    TZUS undated = Samples::zus();
    undated.TransferDate = DateValue::zeroDate();
    const struct {
        const char *what;
        std::function<bool(TDrukFrm &)> print;
        QString folder, name;
        bool choose;
        std::function<void()> after;
    } steps[] = {
        {"the first print", [](TDrukFrm &d) { return RunPrint(Samples::ordinary(), d); }, usersFolder,
         "przelew-zwykly-7-2004-03-05.pdf", true,
         [&] { EXPECT_TRUE(QFile::exists(QDir(chosenFolder).filePath(QStringLiteral("wydruk.pdf")))); }},
        {"the next one, in the folder just used", [](TDrukFrm &d) { return RunPrint(Samples::tax(), d); },
         chosenFolder, "przelew-podatkowy-8-2004-04-25.pdf", false, [&] { QDir(chosenFolder).removeRecursively(); }},
        {"after that folder is gone, an order without a date", [&](TDrukFrm &d) { return RunPrint(undated, d); },
         usersFolder, "przelew-zus-9-" + QDate::currentDate().toString(Qt::ISODate) + ".pdf", false, [] {}},
    };
    TDrukFrm dialog;
    dialog.SetPrinterName(PdfPrinterName());
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        QFileInfo offered;
        ModalSeam::install([&](QDialog &d) {
            auto *chooser = qobject_cast<QFileDialog *>(&d);
            if (!chooser)
                return int(QDialog::Accepted);
            offered = QFileInfo(chooser->selectedFiles().value(0));
            if (!step.choose)
                return int(QDialog::Rejected);
            chooser->selectFile(QDir(chosenFolder).filePath(QStringLiteral("wydruk.pdf")));
            return int(QDialog::Accepted);
        });
        EXPECT_EQ(step.print(dialog), step.choose);
        ModalSeam::install(nullptr);
        EXPECT_EQ(offered.absolutePath(), step.folder);
        EXPECT_EQ(offered.fileName(), step.name);
        step.after();
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();
}
