#include "TOkresFrm.h"
#include "TaxPeriod.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

namespace {

void pressKey(QWidget *target, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

template <typename T>
T *child(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}

TEST(OkresFrm, ControlsAndTexts)
{
    TOkresFrm dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Okres"));
    auto *kinds = child<QComboBox>(dialog, "EdTyp");
    ASSERT_NE(kinds, nullptr);
    EXPECT_FALSE(kinds->isEditable());
    const QStringList expected = {QStringLiteral("R - rok"), QStringLiteral("P - półrocze"),
                                  QStringLiteral("K - kwartał"), QStringLiteral("M - miesiąc"),
                                  QStringLiteral("D - dekada"), QStringLiteral("J - dzień")};
    ASSERT_EQ(kinds->count(), expected.size());
    for (int i = 0; i < kinds->count(); ++i)
        EXPECT_EQ(kinds->itemText(i), expected.at(i));
    EXPECT_EQ(child<QPushButton>(dialog, "WstawRokBtn")->text(), QStringLiteral("&Wstaw"));
    EXPECT_EQ(child<QPushButton>(dialog, "PostBtn")->text(), QStringLiteral("&Zapisz"));
    EXPECT_TRUE(child<QPushButton>(dialog, "PostBtn")->isDefault());
    EXPECT_EQ(child<QPushButton>(dialog, "CancelBtn")->text(), QStringLiteral("&Anuluj"));

    QStringList buddies;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->buddy())
            buddies << label->text() + u'>' + label->buddy()->objectName();
    buddies.sort();
    EXPECT_EQ(buddies, (QStringList{QStringLiteral("&Nr okresu>EdNrOkresu"), QStringLiteral("&Rok>EdRok"),
                                    QStringLiteral("&Typ okresu>EdTyp")}));
}

TEST(OkresFrm, HasAFixedSize)
{
    TOkresFrm dialog;
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.minimumSize().isEmpty());
}

TEST(OkresFrm, LoadedCodeComesBackPaddedToSeven)
{
    TOkresFrm dialog;
    dialog.LoadPeriod(QStringLiteral("05M11"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("05M11  "));
    dialog.LoadPeriod(QStringLiteral("05R"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("05R    "));
    dialog.LoadPeriod(QStringLiteral("05D0101"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("05D0101"));
    EXPECT_TRUE(IsTaxPeriodValid(QStringLiteral("05M11  ")));
}

TEST(OkresFrm, BlanksKeepTheirPositions)
{
    TOkresFrm dialog;
    dialog.LoadPeriod(QStringLiteral(" 5J1 1"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral(" 5J1 1 "));
}

TEST(OkresFrm, ShortOrUnknownCodeLeavesFieldsEmpty)
{
    TOkresFrm dialog;
    dialog.LoadPeriod(QStringLiteral("05M11"));
    dialog.LoadPeriod(QString());
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("      "));
    dialog.LoadPeriod(QStringLiteral("0"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("0     "));
    // No entry for X or for a lower-case letter: position 3 stays out of the code.
    dialog.LoadPeriod(QStringLiteral("05X01"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("0501  "));
    dialog.LoadPeriod(QStringLiteral("05m01"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("0501  "));
    EXPECT_FALSE(IsTaxPeriodValid(dialog.PeriodCode()));
}

TEST(OkresFrm, KindChosenFromTheList)
{
    TOkresFrm dialog;
    dialog.LoadPeriod(QStringLiteral("05"));
    child<QComboBox>(dialog, "EdTyp")->setCurrentIndex(2);
    QLineEdit *number = child<QLineEdit>(dialog, "EdNrOkresu");
    number->setCursorPosition(0);
    pressKey(number, Qt::Key_0, QStringLiteral("0"));
    pressKey(number, Qt::Key_3, QStringLiteral("3"));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("05K03  "));
}

TEST(OkresFrm, WstawPutsTheCurrentYear)
{
    TOkresFrm dialog;
    dialog.LoadPeriod(QStringLiteral("99R"));
    child<QPushButton>(dialog, "WstawRokBtn")->click();
    const QString year = QString::number(QDate::currentDate().year() % 100).rightJustified(2, u'0');
    EXPECT_EQ(dialog.PeriodCode(), year + QStringLiteral("R    "));
}

TEST(OkresFrm, ConfirmingAtOnceReturnsTheCode)
{
    TOkresFrm dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("PostBtn"))->click(); });
    EXPECT_TRUE(dialog.ShowPeriod(QStringLiteral("05M11")));
    EXPECT_EQ(dialog.PeriodCode(), QStringLiteral("05M11  "));
}

TEST(OkresFrm, EnterConfirms)
{
    TOkresFrm dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        pressKey(dialog.findChild<QLineEdit *>(QStringLiteral("EdRok")), Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.ShowPeriod(QStringLiteral("05K01")));
}

TEST(OkresFrm, CancelAndEscapeDoNotConfirm)
{
    TOkresFrm dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click(); });
    EXPECT_FALSE(dialog.ShowPeriod(QStringLiteral("05M11")));

    QTimer::singleShot(0, &dialog, [&dialog] { pressKey(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.ShowPeriod(QStringLiteral("05M11")));
}

TEST(OkresFrm, AnyStoredTextLoadsIntoACodeOfAtMostSevenCharacters)
{
    std::mt19937 engine{20050311};
    TOkresFrm dialog;
    for (int round = 0; round < 5000; ++round) {
        QString text;
        for (int i = std::uniform_int_distribution<int>(0, 12)(engine); i > 0; --i)
            text += QChar(char16_t(std::uniform_int_distribution<int>(0x20, 0x17F)(engine)));
        dialog.LoadPeriod(text);
        EXPECT_LE(dialog.PeriodCode().size(), 7) << text.toStdString();
    }
}
