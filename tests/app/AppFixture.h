#pragma once

#include "FDM.h"
#include "FMainFrm.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Money.h"

#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QStandardPaths>
#include <QVariantMap>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A fresh database with the lists open, the message boxes and modal dialogs
// answered by the test, and no position file of an earlier test.
class AppFixture : public ::testing::Test
{
protected:
    AppFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(TMainFrm::PositionFilePath());
    }

    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    // Stores a transfer with the given columns (the required ones filled in) and
    // leaves the list reopened on it, as an editor does.
    qint32 addTransfer(Dataset &list, QVariantMap columns)
    {
        list.append();
        const qint32 id = dm.NewTransferId();
        columns.insert(QStringLiteral("PRZELEWID"), id);
        columns.insert(QStringLiteral("DATA_WPR"), QDateTime::currentDateTime());
        const bool zus = &list == &dm.Zusowe;
        for (const char *amount : {"KWOTA_51", "KWOTA_52", "KWOTA_53"})
            if (zus && !columns.contains(QLatin1String(amount)))
                columns.insert(QLatin1String(amount), QVariant::fromValue(Money::fromGrosze(100)));
        if (!zus && !columns.contains(QStringLiteral("KWOTA")))
            columns.insert(QStringLiteral("KWOTA"), QVariant::fromValue(Money::fromGrosze(12345)));
        for (auto column = columns.cbegin(); column != columns.cend(); ++column)
            list.setValue(column.key(), column.value());
        list.post();
        if (&list == &dm.Zwykle)
            dm.ReopenOrdinaryList(id);
        else if (&list == &dm.Podatkowe)
            dm.ReopenTaxList(id);
        else
            dm.ReopenZusList(id);
        return id;
    }

    qint32 addOrdinary(const QString &sender, const QString &recipient = QStringLiteral("Odbiorca"))
    {
        return addTransfer(dm.Zwykle, {{QStringLiteral("NAZWA1_NAD"), sender}, {QStringLiteral("NAZWA1_ODB"), recipient}});
    }

    qint32 currentId(const Dataset &list) const { return list.value(QStringLiteral("PRZELEWID")).toInt(); }

    FreshDatabase db;
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
};
