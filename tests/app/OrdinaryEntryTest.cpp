#include "PdfPrintFixture.h"
#include "DatasetGrid.h"
#include "Globals.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "PrinterList.h"
#include "TDrukFrm.h"
#include "TZwyklyFrm.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

// Two contractors and a title in the directories; margins of the test's own.
class OrdinaryEntry : public PdfPrintFixture
{
protected:
    void SetUp() override
    {
        db.execute({"insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, KONTO) values (11, 'ALFA', "
                    "'Alfa Sp. z o.o.', 'ul. Długa 5, 00-950 Warszawa-Śródmieście', '61109010140000071219812874')",
                    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_NAD, KONTO) values (12, 'BETA', 'Beta Łódź', "
                    "'60102010260000042270201111')",
                    "insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) values (21, 'CZYNSZ', 'Czynsz za', 'lokal 5')"});
        AppFixture::SetUp();
    }

    QToolButton *button(TMainFrm &frm, const char *name) { return frm.findChild<QToolButton *>(name); }

    // Expects the text at the item's place on the page within half a millimetre: one
    // character per 5 mm box from there, or, for a plain run, its first word there.
    void expectAt(float xMm, float yMm, const QString &text, bool boxes = true) const
    {
        const QStringList pieces = boxes ? text.split("", Qt::SkipEmptyParts) : QStringList{text.section(' ', 0, 0)};
        for (double copyStep : {0.0, 105.5}) {
            for (qsizetype i = 0; i < pieces.size(); ++i) {
                if (pieces[i] == " ")
                    continue; // an empty box
                const double x = FormX + xMm + double(i) * 5, y = FormY + copyStep + yMm;
                EXPECT_TRUE(HasWordAt(words, 1, pieces[i], x, y)) << pieces[i].toStdString() << " at " << x << ", " << y;
            }
        }
    }

    // F-110 lies 60 mm from the left edge and 84 mm from the top of the sheet; the
    // margins saved for it here move it 2 mm right and 1 mm up.
    static constexpr double FormX = 60 + 2, FormY = 84 - 1;
    QList<PdfWord> words;
};

}

TEST_F(OrdinaryEntry, AnOrderTakenFromTheDirectoriesIsStoredCorrectedAndPrintedInItsBoxesOnF110)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    SaveMargins(PdfPrinterName(), FormName(PrintForm::F110), 2, -1);
    TMainFrm frm;
    TDrukFrm print;
    frm.SetPrintDialog(&print);
    print.SetPrinterName(PdfPrinterName());
    const QString pdf = output.filePath("zwykly.pdf");
    print.setPdfFileChooser([&](QWidget *, const QString &) { return pdf; });

    QList<qint32> chosen{11, 12, 21};
    bool correcting = false;
    modal.script = [&](QDialog &d) {
        if (d.objectName() == "TWybierzAdresatFrm")
            return choose(d, "ADRESATID", chosen.takeFirst());
        if (d.objectName() == "TWybierzTytulFrm")
            return choose(d, "TYTULID", chosen.takeFirst());
        if (d.objectName() == "DrukFrm") {
            d.findChild<QComboBox *>("EdWzor")->setCurrentIndex(0);
            return int(QDialog::Accepted);
        }
        if (correcting) {
            EXPECT_FALSE(static_cast<TZwyklyFrm &>(d).IsNew());
            d.findChild<QLineEdit *>("EdTytul2")->setText("lokal 6");
            d.findChild<QPushButton *>("PostBtn")->click();
            return d.result();
        }
        // The user's clicks on the choosers' buttons in the name lines.
        d.findChild<NameLine *>("EdNazwa2_Odb")->ChooserAction()->trigger();
        d.findChild<NameLine *>("EdNazwa1_Nad")->ChooserAction()->trigger();
        d.findChild<NameLine *>("EdTytul1")->ChooserAction()->trigger();
        d.findChild<MoneyEdit *>("EdKwota")->SetValue(Money::fromGrosze(12305));
        d.findChild<QPushButton *>("PostBtn")->click();
        return d.result();
    };
    EXPECT_FALSE(button(frm, "EditBtn")->isEnabled());
    button(frm, "InsertBtn")->click();
    EXPECT_TRUE(chosen.isEmpty());
    ASSERT_EQ(dm.Zwykle.value("NAZWA1_ODB").toString(), "Alfa Sp. z o.o.");
    auto *grid = frm.findChild<DatasetGrid *>("ZwykleGrid");
    EXPECT_EQ(grid->currentIndex().row(), dm.Zwykle.currentRow());
    EXPECT_TRUE(button(frm, "EditBtn")->isEnabled());

    // A double click corrects the order on which the list stands.
    const qint32 id = currentId(dm.Zwykle);
    correcting = true;
    emit grid->doubleClicked(grid->currentIndex());
    dm.Zwykle.fetchAll();
    EXPECT_EQ(dm.Zwykle.fetchedCount(), 1);
    EXPECT_EQ(currentId(dm.Zwykle), id);
    EXPECT_EQ(dm.Zwykle.value("TYTUL2_ZAPL").toString(), "lokal 6");

    button(frm, "PrintBtn")->click();
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join("\n").toStdString();
    words = PdfWords(pdf);
    ASSERT_FALSE(words.isEmpty());
    expectAt(9.5, 4.5, "ALFA SP. Z O.O.");
    expectAt(9.5, 13.0, "UL. DŁUGA 5, 00-950 WARSZAWA-ŚRÓDMIEŚCIE", false);   // 40 characters: a plain run
    expectAt(9.5, 21.5, "61109010140000071219812874");
    expectAt(85.0, 30.0, AmountForBoxes(Money::fromGrosze(12305)));
    expectAt(9.5, 38.5, "60102010260000042270201111");
    expectAt(9.5, 47.0, "BETA ŁÓDŹ");
    expectAt(9.5, 64.0, "CZYNSZ ZA");
    expectAt(9.5, 72.5, "LOKAL 6");
}

TEST_F(OrdinaryEntry, TheOrdinaryTemplatesMenuEntryOpensTheirList)
{
    TMainFrm frm;
    frm.findChild<QAction *>("SzablonyZwykleMnu")->trigger();
    EXPECT_EQ(modal.titles, QStringList{"Zanderol zwykłe - szablony"});
}
