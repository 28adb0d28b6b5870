#pragma once

#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMap>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A fresh database with the lists open; message boxes are recorded and answered, and
// each modal window is handled by the script given for its class name (a window
// without one is cancelled). Windows are driven as a user would, through their controls.
class DirectoryFixture : public ::testing::Test
{
protected:
    using Handler = std::function<int(QDialog &dialog)>;

    DirectoryFixture()
    {
        modal.script = [this](QDialog &dialog) {
            opened << dialog.objectName();
            const auto handler = handlers.find(dialog.objectName());
            return handler == handlers.end() ? int(QDialog::Rejected) : (*handler)(dialog);
        };
    }

    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    void on(const QString &window, Handler handler) { handlers[window] = std::move(handler); }

    static void click(const QDialog &dialog, const char *button) { control<QAbstractButton>(dialog, button)->click(); }
    // Presses the button and hands back how the window ended (Rejected while it stays open).
    static int press(QDialog &dialog, const char *button)
    {
        dialog.setResult(QDialog::Rejected);
        click(dialog, button);
        return dialog.result();
    }
    static QString focusName(const QDialog &dialog)
    {
        return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    }

    // Runs statements on the test database through a connection of their own.
    void insert(const QStringList &statements) const { db.execute(statements); }

    // The names another connection sees in a directory: what has been committed.
    QStringList committedNames(Dataset TDM::*list)
    {
        QStringList names;
        {
            TDM other;
            if (!other.ConnectDatabase())
                return {QStringLiteral("<no connection>")};
            Dataset &rows = other.*list;
            rows.fetchAll();
            for (int row = 0; row < rows.fetchedCount(); ++row)
                names << rows.valueAt(row, QStringLiteral("NAZWA")).toString();
        }
        DM = &dm;
        return names;
    }

    static QStringList names(Dataset &rows)
    {
        rows.fetchAll();
        QStringList result;
        for (int row = 0; row < rows.fetchedCount(); ++row)
            result << rows.valueAt(row, QStringLiteral("NAZWA")).toString();
        return result;
    }

    FreshDatabase db;
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
    QMap<QString, Handler> handlers;
    QStringList opened;
};
