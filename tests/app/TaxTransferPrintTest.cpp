#include "PdfPrintFixture.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "NullableDateEdit.h"
#include "PrinterList.h"
#include "TDrukFrm.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

namespace {

const QString VatAccount = QStringLiteral("73101010230000261395300000");
const QString PayerAccount = QStringLiteral("61109010140000071219812874");

// The word that begins within half a millimetre of the point, or empty.
QString wordAt(const QList<PdfWord> &words, double xMm, double yMm)
{
    for (const PdfWord &word : words)
        if (std::abs(word.xMm - xMm) <= 0.5 && std::abs(word.yMm - yMm) <= 0.5)
            return word.text;
    return QString();
}

class TaxTransferPrint : public PdfPrintFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        db.execute({QStringLiteral("insert into URZEDY (URZADID, NAZWA, NAZWA1, NAZWA2, KONTOVAT) "
                                   "values (1, 'US Kraków', 'Urząd Skarbowy Kraków', 'ul. Wrocławska 32', '%1')")
                        .arg(VatAccount)});
        dm.ReopenTaxOffices();
        print.SetPrinterName(PdfPrinterName());
        print.setPdfFileChooser([this](QWidget *, const QString &) { return pdfFile; });
        frm.SetPrintDialog(&print);
        modal.script = [this](QDialog &dialog) {
            const auto handler = handlers.find(dialog.objectName());
            return handler == handlers.end() ? int(QDialog::Rejected) : (*handler)(dialog);
        };
    }

    void press(const char *button) { control<QToolButton>(frm, button)->click(); }

    QString pdfFile;
    TDrukFrm print;
    TMainFrm frm;
    QMap<QString, std::function<int(QDialog &)>> handlers;
};

}

TEST_F(TaxTransferPrint, AnOrderToTheChosenAuthorityIsStoredAndPrintedAtItsPlacesOnBothForms)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

    handlers[QStringLiteral("TWybierzUrzadFrm")] = [](QDialog &chooser) { return choose(chooser, "URZADID", 1); };
    handlers[QStringLiteral("TPodatkowyFrm")] = [](QDialog &editor) {
        auto *kind = control<QComboBox>(editor, "EdRodzajRach");
        kind->setCurrentIndex(kind->findText(QStringLiteral("VAT")));
        // The office's own VAT account, on purpose: the micro-account switched off.
        if (auto *micro = control<QAbstractButton>(editor, "EdMikrorachunek"); micro->isChecked())
            micro->click();
        control<NameLine>(editor, "EdNazwa1_Odb")->ChooserAction()->trigger();
        control<MoneyEdit>(editor, "EdKwota")->SetValue(Money::fromGrosze(123456));
        type(editor, "EdKonto_Nad", PayerAccount);
        type(editor, "EdNazwa1_Nad", QStringLiteral("Jan Kowalski"));
        type(editor, "EdNazwa2_Nad", QStringLiteral("Kraków"));
        type(editor, "EdNIP", QStringLiteral("1234563218"));
        type(editor, "EdOkres", QStringLiteral("24M02"));
        control<QComboBox>(editor, "EdSymbol")->setEditText(QStringLiteral("VAT-7"));
        type(editor, "EdIdentyfZobow", QStringLiteral("ZAL 2024"));
        control<NullableDateEdit>(editor, "EdData")->SetDate(QDate(2024, 3, 15));
        editor.findChild<QAbstractButton *>(QStringLiteral("PostBtn"))->click();
        return editor.result();
    };
    control<QTabWidget>(frm, "PageControl")->setCurrentIndex(TMainFrm::Tax);
    press("InsertBtn");
    ASSERT_EQ(dm.Podatkowe.value(QStringLiteral("NAZWA1_ODB")).toString(), QStringLiteral("Urząd Skarbowy Kraków"));
    EXPECT_EQ(dm.Podatkowe.value(QStringLiteral("KONTO_ODB")).toString(), VatAccount);
    EXPECT_TRUE(control<QToolButton>(frm, "PrintBtn")->isEnabled());

    // The form's origin on the page, the step to the second copy and the box pitch.
    const struct {
        const char *form;
        int entry;
        double originX, originY, copyStep, pitch;
        double dy;  // the form's rows sit this much higher on K-471
        double xAmount, xType, xPeriod, xObligation;
    } forms[] = {
        {"F-130", 0, 60, 84, 105.5, 5, 0, 85.0, 84.0, 104.0, 44.5},
        {"K-471", 1, 5, 4, 103.5, 63.0 / 13, -3, 82.5, 82.5, 101.5, 43.5},
    };
    for (const auto &form : forms) {
        SCOPED_TRACE(form.form);
        pdfFile = output.filePath(QLatin1String(form.form) + QStringLiteral(".pdf"));
        handlers[QStringLiteral("DrukFrm")] = [&form](QDialog &dialog) {
            control<QComboBox>(dialog, "EdWzor")->setCurrentIndex(form.entry);
            control<QCheckBox>(dialog, "EdData")->setChecked(true);
            return int(QDialog::Accepted);
        };
        press("PrintBtn");
        const QList<PdfWord> words = PdfWords(pdfFile);
        ASSERT_FALSE(words.isEmpty());

        // Each text by its first two characters: one per box, or the whole of a plain run.
        const struct {
            double x, y;
            QString first, second;
        } items[] = {
            {9.5, 5.0, "U", "R"},                          // the authority, upper-cased
            {9.5, 13.5, "U", "L"},
            {9.5, 22.0, "7", "3"},                         // its VAT account
            {form.xAmount, 30.5, "1", "2"},                // 1234,56
            {9.5, 39.0, "6", "1"},                         // the payer's account
            {9.5, 47.5, "J", "A"},
            {9.5, 64.5, "1", "2"},                         // the NIP
            {form.xType, 64.5, "N", ""},                   // its type, a plain run
            {form.xPeriod, 64.5, "2", "4"},
            {9.5, 73.0, "V", "A"},
            {form.xObligation, 73.0, "Z", "A"},
            {9.5, 81.5, "15-03-2024", ""},                 // the date, a plain run
        };
        for (const double copy : {0.0, form.copyStep}) {
            for (const auto &item : items) {
                const double x = form.originX + item.x;
                const double y = form.originY + copy + item.y + form.dy;
                SCOPED_TRACE(QStringLiteral("%1 at %2, %3").arg(item.first).arg(x).arg(y).toStdString());
                EXPECT_EQ(wordAt(words, x, y), item.first);
                if (!item.second.isEmpty()) {
                    EXPECT_EQ(wordAt(words, x + form.pitch, y), item.second);
                }
            }
        }
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();

    // "&Popraw" opens the stored order.
    QString opened;
    handlers[QStringLiteral("TPodatkowyFrm")] = [&opened](QDialog &editor) {
        opened = control<QLineEdit>(editor, "EdNazwa1_Odb")->text();
        return int(QDialog::Rejected);
    };
    press("EditBtn");
    EXPECT_EQ(opened, QStringLiteral("Urząd Skarbowy Kraków"));
}

TEST_F(TaxTransferPrint, TheHiddenTemplatesEntryOpensTheTaxTemplates)
{
    auto *entry = frm.findChild<QAction *>(QStringLiteral("SzablonyPodatMnu"));
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->isVisible());
    entry->trigger();
    EXPECT_EQ(modal.titles, QStringList{"Przelew podatkowy - szablon"});
}
