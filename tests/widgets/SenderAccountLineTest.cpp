#include "MoneyEdit.h"
#include "OperationKind.h"
#include "SenderAccountLine.h"
#include "ValidityMark.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("61109010140000071219812874");

struct Form
{
    Form() : kind(&window), amount(&window), line(&kind, &amount, &window) {}

    void click(const char *choice) { kind.findChild<QAbstractButton *>(choice)->click(); }
    void leaveAmount()
    {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&amount, &event);
    }

    QWidget window;
    OperationKind kind;
    MoneyEdit amount;
    SenderAccountLine line;
};

}

TEST(SenderAccountLine, ShowsTheAccountForATransferAndTheWordsForADepositButStoresOnlyAccounts)
{
    const struct {
        const char *what;
        QString remembered;
        QString typed;          // typed over the refilled field; empty: left as refilled
        const char *lastClick;  // the kind the user ends on
        QString shown;
        QString stored;
        bool lacks;
        bool red;
    } rows[] = {
        {"transfer shows the remembered account", Account, "", "Przelew", "61 1090 1014 0000 0712 1981 2874", Account,
         false, false},
        {"deposit shows the words, stores the remembered account", Account, "", "Wplata", "JED*DWA*TRZ*5/100",
         Account, false, false},
        {"nothing remembered: blanks, and a transfer lacks its account", "", "", "Przelew", QString(32, u' '), "",
         true, false},
        {"a deposit needs no account", "", "", "Wplata", "JED*DWA*TRZ*5/100", "", false, false},
        {"separators only count as no account", "", " - - ", "Przelew", " - - ", "", true, false},
        {"typed with hyphens: stored as digits", "", "61-1090-1014-0000-0712-1981-2874", "Przelew",
         "61-1090-1014-0000-0712-1981-2874", Account, false, false},
        {"a wrong number is red but stored as typed", "", "61109010140000071219812875", "Przelew",
         "61109010140000071219812875", "61109010140000071219812875", false, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Form form;
        form.amount.SetValue(Money::fromGrosze(12305));
        form.line.SetRemembered(row.remembered);
        form.click(row.lastClick);
        if (!row.typed.isEmpty()) {
            form.line.setText(row.typed);
            form.line.Check();
        }
        EXPECT_EQ(form.line.text(), row.shown);
        EXPECT_EQ(form.line.StoredAccount(), row.stored);
        EXPECT_EQ(form.line.LacksAccount(), row.lacks);
        EXPECT_EQ(IsMarkedInvalid(&form.line), row.red);
    }
}

TEST(SenderAccountLine, LeavingTheAmountReplacesWhatWasTypedAndSettingTheKindFromCodeDoesNot)
{
    Form form;
    form.line.SetRemembered(Account);
    form.line.setText("coś wpisanego");
    form.kind.SetTransfer(false);                // code, not the user: nothing refills
    EXPECT_EQ(form.line.text(), "coś wpisanego");
    form.kind.SetTransfer(true);
    form.leaveAmount();
    EXPECT_EQ(form.line.text(), "61 1090 1014 0000 0712 1981 2874");
    form.click("Wplata");
    form.amount.SetValue(Money::fromGrosze(1010));
    form.leaveAmount();
    EXPECT_EQ(form.line.text(), "JED*ZER*10/100");
    form.click("Przelew");                       // back: the remembered account, not the words
    EXPECT_EQ(form.line.text(), "61 1090 1014 0000 0712 1981 2874");
}
