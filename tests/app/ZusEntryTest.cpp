#include "PdfPrintFixture.h"
#include "DatasetGrid.h"
#include "MoneyEdit.h"
#include "PrinterList.h"
#include "TDrukFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace {

// Margins stay 0 whatever another test saved: the layout alone decides where texts go.
class ZusEntry : public PdfPrintFixture
{
protected:
    // Expects the text at the item's place on the page, one character per box from there
    // when a pitch is given, within half a millimetre.
    void expectAt(int page, float xMm, float yMm, const QString &text, double pitchMm = 0) const
    {
        const QStringList pieces = pitchMm > 0 ? text.split("", Qt::SkipEmptyParts) : QStringList{text};
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (pieces[i] == " ")
                continue; // an empty box
            const double x = FormX + xMm + double(i) * pitchMm, y = FormY + yMm;
            EXPECT_TRUE(HasWordAt(words, page, pieces[i], x, y)) << "page " << page << ": " << pieces[i].toStdString() << " at " << x << ", " << y;
        }
    }

    // F-101 lies 60 mm from the left edge and 85 mm from the top of the sheet.
    static constexpr double FormX = 60, FormY = 85;
    QList<PdfWord> words;
};

}

TEST_F(ZusEntry, AnOrderEnteredAndCorrectedFromTheMainWindowPrintsOneFormPerPaidPayment)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TMainFrm frm;
    TDrukFrm print;
    frm.SetPrintDialog(&print);
    print.SetPrinterName(PdfPrinterName());
    const QString pdf = output.filePath("zus.pdf");
    print.setPdfFileChooser([&](QWidget *, const QString &) { return pdf; });
    frm.findChild<QTabWidget *>("PageControl")->setCurrentIndex(TMainFrm::Zus);

    std::function<void(QDialog &)> enter;
    modal.script = [&](QDialog &d) {
        if (d.objectName() != "TZUSFrm")
            return int(QDialog::Accepted); // the print dialog, as it stands
        enter(d);
        d.setResult(QDialog::Rejected);
        d.findChild<QPushButton *>("PostBtn")->click();
        return d.result();
    };
    enter = [](QDialog &d) {
        auto type = [&](const char *name, const QString &text) { d.findChild<QLineEdit *>(name)->setText(text); };
        d.findChild<QComboBox *>("EdTypWpl51")->setCurrentIndex(0);
        d.findChild<MoneyEdit *>("EdKwota51")->SetValue(Money::fromZloty(100));
        d.findChild<QComboBox *>("EdTypWpl53")->setCurrentIndex(1);
        d.findChild<MoneyEdit *>("EdKwota53")->SetValue(Money::fromGrosze(5025));
        type("EdNrDec53", "D53");
        type("EdKonto_Nad", "61 1090 1014 0000 0712 1981 2874");
        type("EdNazwa1_Nad", "Jan Kowalski");
        type("EdNIP", "123-456-32-18");
        d.findChild<QComboBox *>("EdTyp")->setCurrentIndex(1);
        type("EdIdentyfUzup", "123456785");
        d.findChild<QSpinBox *>("EdMies")->setValue(3);
        d.findChild<QSpinBox *>("EdRok")->setValue(2026);
        type("EdPodpisA", "Jan Kowalski");
    };
    frm.findChild<QToolButton *>("InsertBtn")->click();
    const qint32 id = currentId(dm.Zusowe);
    ASSERT_GT(id, 0);
    EXPECT_TRUE(frm.findChild<QToolButton *>("EditBtn")->isEnabled());

    // A double click corrects the order on which the list stands.
    enter = [](QDialog &d) { d.findChild<QLineEdit *>("EdNrDec53")->setText("D53/2026"); };
    auto *grid = frm.findChild<DatasetGrid *>("RxDBGrid1");
    emit grid->doubleClicked(grid->currentIndex());
    EXPECT_EQ(currentId(dm.Zusowe), id);
    EXPECT_EQ(dm.Zusowe.value("NR_DEC_53").toString(), "D53/2026");

    frm.findChild<QToolButton *>("PrintBtn")->click();
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join("\n").toStdString();
    words = PdfWords(pdf);
    ASSERT_FALSE(words.isEmpty());
    const struct { int page; QString checkDigits, fundDigit, amount, type, decision; } forms[] = {
        {1, "83", "1", "100,00------", "S", ""},
        {2, "73", "3", "50,25-------", "M", "D53/2026"},
    };
    EXPECT_EQ(std::max_element(words.begin(), words.end(), [](auto &a, auto &b) { return a.page < b.page; })->page, 2);
    for (const auto &form : forms) {
        SCOPED_TRACE(form.page);
        for (const float copy : {0.0f, 106.5f}) {
            expectAt(form.page, 9.5f, 21.5f + copy, form.checkDigits, 58.0 / 11);
            expectAt(form.page, 109.0f, 21.5f + copy, form.fundDigit);
            expectAt(form.page, 84.5f, 30.0f + copy, form.amount, 5);
            expectAt(form.page, 9.5f, 38.5f + copy, "61109010140000071219812874", 5);
            expectAt(form.page, 9.5f, 47.0f + copy, "JAN KOWALSKI", 5);
            expectAt(form.page, 9.5f, 64.0f + copy, "1234563218", 5);
            expectAt(form.page, 64.5f, 64.0f + copy, "R");
            expectAt(form.page, 74.5f, 64.0f + copy, "123456785", 5);
            expectAt(form.page, 9.5f, 72.5f + copy, form.type);
            expectAt(form.page, 19.5f, 72.5f + copy, "01", 5);
            expectAt(form.page, 34.5f, 72.5f + copy, "032026", 5);
            expectAt(form.page, 69.5f, 72.5f + copy, form.decision, 5);
            expectAt(form.page, 9.5f, 82.5f + copy, "JAN");
        }
    }
}
