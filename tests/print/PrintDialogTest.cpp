#include "MessageRecorder.h"
#include "ModalSeam.h"
#include "PrinterList.h"
#include "RecordingTarget.h"
#include "SettingsSandbox.h"
#include "TDrukFrm.h"
#include "TMarginesyFrm.h"
#include "TWybierzDrukarkeFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

// Answers every modal dialog of printing with a scripted action, never blocking.
class ModalScript
{
public:
    ModalScript()
    {
        ModalSeam::install([this](QDialog &dialog) {
            shown << dialog.objectName();
            return answer ? answer(dialog) : int(QDialog::Rejected);
        });
    }
    ~ModalScript() { ModalSeam::install(nullptr); }
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

    std::function<int(QDialog &)> answer;
    QStringList shown;
};

template<typename T>
T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class PrintDialogTest : public ::testing::Test
{
protected:
    PrintDialogTest() { dialog.SetPrinterName(QStringLiteral("HP")); }

    SettingsSandbox sandbox;
    MessageRecorder messages;
    ModalScript modal;
    TDrukFrm dialog;
};

QStringList entries(QComboBox *combo)
{
    QStringList all;
    for (int i = 0; i < combo->count(); ++i)
        all << combo->itemText(i);
    return all;
}

}

TEST_F(PrintDialogTest, EveryControlCarriesItsName)
{
    for (const char *name : {"CurrentPrinterLbl", "EdKopie", "EdWzor", "EdDuzeLitery", "EdData", "ZusBox", "Druk51",
                             "Druk52", "Druk53", "PrintBtn", "PrinterSetupBtn", "MarginBtn", "CancelBtn", "PreviewBtn"})
        EXPECT_NE(dialog.findChild<QWidget *>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(child<QSpinBox>(dialog, "EdKopie")->value(), 1);
    EXPECT_EQ(child<QSpinBox>(dialog, "EdKopie")->maximum(), 99);
    EXPECT_TRUE(child<QCheckBox>(dialog, "EdDuzeLitery")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "EdData")->isChecked());
    EXPECT_TRUE(child<QPushButton>(dialog, "PrintBtn")->isDefault());
    EXPECT_EQ(child<QPushButton>(dialog, "PrinterSetupBtn")->text(), QStringLiteral("D&rukarka"));
}

TEST_F(PrintDialogTest, EachKindListsItsFormsAndCaption)
{
    auto *wzor = child<QComboBox>(dialog, "EdWzor");
    dialog.prepareForOrdinary();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Przelew zwykły"));
    EXPECT_EQ(entries(wzor), QStringList({QStringLiteral("F-110  (2 odcinki)"), QStringLiteral("K-117  (4 odcinki)")}));
    EXPECT_TRUE(child<QGroupBox>(dialog, "ZusBox")->isHidden());
    wzor->setCurrentIndex(1);
    EXPECT_EQ(dialog.SelectedForm(), PrintForm::K117);

    dialog.prepareForTax();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Przelew podatkowy"));
    EXPECT_EQ(entries(wzor), QStringList({QStringLiteral("F-130  (2 odcinki)"), QStringLiteral("K-471  (2 odcinki)")}));
    EXPECT_EQ(wzor->currentIndex(), 0);
    EXPECT_EQ(dialog.SelectedForm(), PrintForm::F130);
    wzor->setCurrentIndex(1);
    EXPECT_EQ(dialog.SelectedForm(), PrintForm::K471);

    dialog.prepareForZus();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Przelew ZUS"));
    EXPECT_EQ(entries(wzor), QStringList({QStringLiteral("F-101  (2 odcinki)")}));
    EXPECT_FALSE(child<QGroupBox>(dialog, "ZusBox")->isHidden());
    EXPECT_EQ(dialog.SelectedForm(), PrintForm::F101);
    EXPECT_EQ(dialog.CurrentKind(), TDrukFrm::Zus);
}

TEST_F(PrintDialogTest, OptionsPersistButZusBoxesAreCheckedOnEveryOpening)
{
    dialog.prepareForZus();
    child<QSpinBox>(dialog, "EdKopie")->setValue(3);
    child<QCheckBox>(dialog, "EdDuzeLitery")->setChecked(false);
    child<QCheckBox>(dialog, "EdData")->setChecked(true);
    child<QCheckBox>(dialog, "Druk52")->setChecked(false);
    EXPECT_FALSE(dialog.PrintComponent(52));

    dialog.prepareForOrdinary();
    dialog.prepareForZus();
    EXPECT_EQ(dialog.Copies(), 3);
    EXPECT_FALSE(dialog.UpperCase());
    EXPECT_TRUE(dialog.PrintDate());
    EXPECT_TRUE(dialog.PrintComponent(51));
    EXPECT_TRUE(dialog.PrintComponent(52));
    EXPECT_TRUE(dialog.PrintComponent(53));
    EXPECT_FALSE(dialog.PrintComponent(54));
}

TEST_F(PrintDialogTest, ShowingReturnsTheAnswerAndShowsTheCurrentPrinter)
{
    modal.answer = [](QDialog &d) {
        EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("CurrentPrinterLbl"))->text(), QStringLiteral("HP"));
        return int(QDialog::Accepted);
    };
    EXPECT_EQ(dialog.ShowForTax(), QDialog::Accepted);
    modal.answer = nullptr;
    EXPECT_EQ(dialog.ShowForTax(), QDialog::Rejected);
    EXPECT_EQ(modal.shown, QStringList({QStringLiteral("DrukFrm"), QStringLiteral("DrukFrm")}));
}

TEST_F(PrintDialogTest, ThePdfFileIsAlwaysOfferedAndStaysChosen)
{
    EXPECT_EQ(PrinterEntries().last(), PdfPrinterName());
    EXPECT_EQ(PrinterEntries().count(PdfPrinterName()), 1);
    if (PrinterEntries().size() == 1) {
        EXPECT_EQ(DefaultPrinterEntry(), PdfPrinterName()) << "without system printers the PDF file prints";
    }

    modal.answer = [](QDialog &d) {
        auto *combo = d.findChild<QComboBox *>(QStringLiteral("EdDrukarka"));
        combo->setCurrentIndex(combo->findText(PdfPrinterName()));
        EXPECT_FALSE(d.findChild<QPushButton *>(QStringLiteral("PageSetupBtn"))->isEnabled());
        return int(QDialog::Accepted);
    };
    dialog.PrinterSetupBtnClick();
    EXPECT_EQ(dialog.PrinterName(), PdfPrinterName());
    dialog.prepareForOrdinary();
    EXPECT_EQ(child<QLabel>(dialog, "CurrentPrinterLbl")->text(), PdfPrinterName());

    // Cancelling the choice keeps the printer.
    modal.answer = nullptr;
    dialog.PrinterSetupBtnClick();
    EXPECT_EQ(dialog.PrinterName(), PdfPrinterName());
}

// The chooser's page set-up changes the dialog's own printer; cancelling the chooser
// must leave the next print on the printer and page set-up it had before.
TEST_F(PrintDialogTest, CancellingTheChooserAfterAPageSetUpKeepsThePrinterAsItWas)
{
    QString nameSeen;
    QPageLayout::Orientation orientationSeen = QPageLayout::Landscape;
    dialog.setPagesSource([] { return QList<PagePrinter>{[](PrintTarget &) { return PageReport{}; }}; });
    dialog.setPreviewShower([&](QPrinter &printer, const std::function<void(QPrinter *)> &) {
        nameSeen = printer.printerName();
        orientationSeen = printer.pageLayout().orientation();
    });
    dialog.PreviewBtnClick();
    const QString nameBefore = nameSeen;
    ASSERT_EQ(orientationSeen, QPageLayout::Portrait);

    modal.answer = [](QDialog &d) {
        if (auto *setup = qobject_cast<QPageSetupDialog *>(&d)) {
            setup->printer()->setPageOrientation(QPageLayout::Landscape);
            return int(QDialog::Accepted);
        }
        auto *chooser = qobject_cast<TWybierzDrukarkeFrm *>(&d);
        auto *combo = d.findChild<QComboBox *>(QStringLiteral("EdDrukarka"));
        combo->insertItem(0, QStringLiteral("Biurowa"));
        combo->setCurrentIndex(0);
        chooser->PageSetupBtnClick();
        return int(QDialog::Rejected);
    };
    dialog.PrinterSetupBtnClick();
    EXPECT_EQ(modal.shown.size(), 2);
    EXPECT_EQ(dialog.PrinterName(), QStringLiteral("HP"));

    dialog.PreviewBtnClick();
    EXPECT_EQ(nameSeen, nameBefore);
    EXPECT_EQ(orientationSeen, QPageLayout::Portrait);
}

TEST_F(PrintDialogTest, MarginsAreCalibratedForTheSelectedForm)
{
    SaveMargins(QStringLiteral("HP"), QStringLiteral("K-117"), 3, -2);
    dialog.prepareForOrdinary();
    child<QComboBox>(dialog, "EdWzor")->setCurrentIndex(1);
    modal.answer = [](QDialog &d) {
        auto *frm = qobject_cast<TMarginesyFrm *>(&d);
        EXPECT_NE(frm, nullptr);
        if (!frm)
            return int(QDialog::Rejected);
        EXPECT_EQ(frm->findChild<QLineEdit *>(QStringLiteral("DrukarkaLbl"))->text(), QStringLiteral(" HP"));
        EXPECT_EQ(frm->findChild<QLineEdit *>(QStringLiteral("FormularzLbl"))->text(), QStringLiteral(" K-117  (4 odcinki)"));
        auto *lewy = frm->findChild<QSpinBox *>(QStringLiteral("EdLewy"));
        auto *gora = frm->findChild<QSpinBox *>(QStringLiteral("EdGora"));
        EXPECT_EQ(lewy->value(), 3);
        EXPECT_EQ(gora->value(), -2);
        lewy->setValue(-150);
        gora->setValue(250);
        frm->PostBtnClick();
        return frm->result();
    };
    dialog.MarginBtnClick();
    EXPECT_EQ(modal.shown, QStringList({QStringLiteral("MarginesyFrm")}));
    EXPECT_EQ(LoadMargins(QStringLiteral("HP"), QStringLiteral("K-117")).left, -150);
    EXPECT_EQ(LoadMargins(QStringLiteral("HP"), QStringLiteral("K-117")).top, 250);
    EXPECT_EQ(LoadMargins(QStringLiteral("HP"), QStringLiteral("F-110")).left, 0);
}

TEST_F(PrintDialogTest, CancellingTheCalibrationStoresNothing)
{
    dialog.prepareForTax();
    modal.answer = [](QDialog &d) {
        d.findChild<QSpinBox *>(QStringLiteral("EdLewy"))->setValue(5);
        d.findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
        return d.result();
    };
    dialog.MarginBtnClick();
    EXPECT_EQ(LoadMargins(QStringLiteral("HP"), QStringLiteral("F-130")).left, 0);
}

TEST_F(PrintDialogTest, AnUnreadableEntryCanBeOverwrittenFromTheCalibration)
{
    SettingsSandbox::writeRaw(QStringLiteral("Marginesy/HP/F-101"), QStringLiteral("Lewy"), QStringLiteral("abc"));
    TMarginesyFrm frm;
    frm.prepare(QStringLiteral("HP"), PrintForm::F101);
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains(QStringLiteral("„Gora”"))
                || messages.warnings.first().contains(QStringLiteral("„Lewy”")));
    EXPECT_EQ(frm.findChild<QSpinBox *>(QStringLiteral("EdLewy"))->value(), 0);
    frm.findChild<QSpinBox *>(QStringLiteral("EdGora"))->setValue(4);
    frm.PostBtnClick();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_EQ(LoadMargins(QStringLiteral("HP"), QStringLiteral("F-101")).top, 4);
}

TEST_F(PrintDialogTest, TrialPrintUsesTheTypedMarginsWithoutSavingThem)
{
    RecordingTarget recorder(QStringLiteral("HP"));
    dialog.setTargetFactory([&recorder](const QString &printer) {
        EXPECT_EQ(printer, QStringLiteral("HP"));
        return std::make_unique<BorrowedTarget>(recorder);
    });
    dialog.prepareForOrdinary();
    modal.answer = [&](QDialog &d) {
        d.findChild<QSpinBox *>(QStringLiteral("EdLewy"))->setValue(2);
        d.findChild<QSpinBox *>(QStringLiteral("EdGora"))->setValue(-1);
        d.findChild<QPushButton *>(QStringLiteral("TrialPrintBtn"))->click();
        return int(QDialog::Rejected);
    };
    dialog.MarginBtnClick();
    const QList<RecordedJob> &printed = recorder.jobs;
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(recorder.runsFinished, 1);
    EXPECT_TRUE(printed.first().texts.isEmpty());
    // Boxes of the first name of F-110 at margins 2 and -1.
    EXPECT_EQ(printed.first().rects.first().topLeft(), QPoint(1465 + 224, 1961 + 106));
    EXPECT_EQ(LoadMargins(QStringLiteral("HP"), QStringLiteral("F-110")).left, 0);
}
