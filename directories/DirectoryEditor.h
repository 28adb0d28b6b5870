#pragma once

#include "RowStore.h"
#include "SaveChecks.h"

#include <QDialog>
#include <QVariant>
#include <functional>
#include <vector>

class AccountEdit;
class Dataset;
class MoneyEdit;
class QLineEdit;
class QPushButton;

// The editor of one directory row: the directory's fields on the left, "&Zapisz"
// (default) and "&Anuluj" on the right. A directory's editor builds its fields on
// Form(), binds each to its column and lists its checks; opening, filling, checking
// and the save sequence are the same for every directory.
class DirectoryEditor : public QDialog
{
public:
    struct Setup
    {
        const char *objectName;
        QString caption;
        Dataset *dataset;                   // the list whose row is added or changed
        QString keyField;                   // its identifier column
        std::function<qint32()> newId;      // the identifier of an added row
        // Runs after the row was posted, with its identifier: reopens the list, which
        // commits the row at once (a change left open would hold the row's lock against
        // the other desktops and be lost with the connection) and stands on it; it also
        // finds a corrected row again when the list no longer stands on it.
        std::function<void(qint32 id)> afterStore;
        // What the user is told when the row being corrected is no longer in the list.
        QString gone = EntryGone;
    };

    // Open on an empty row (saving adds one) or on the row where the dataset stands
    // (saving changes it); true when the row was stored.
    bool ShowNew();
    bool ShowCurrent();
    bool IsNew() const { return isNew_; }

    void PostBtnClick();

protected:
    DirectoryEditor(Setup setup, QWidget *parent);

    // Where the directory lays out its fields, in focus order.
    QWidget *Form() const { return form_; }
    // The field that takes the focus on opening and after a failed store.
    void SetNameField(QLineEdit *field) { nameField_ = field; }

    // A column and the control that shows it: fill puts a stored value (or empty, the
    // value of a new row) into the control, read gives what is written on saving.
    void Bind(const QString &column, std::function<QVariant()> read, std::function<void(const QVariant &)> fill,
              QVariant empty = {});
    // A text line; what is written is cut to the column's length.
    void BindLine(QLineEdit *line, const QString &column, int columnLength = 50);
    // An account field, stored as its digits and checked whenever the editor opens.
    void BindAccount(AccountEdit *account, const QString &column);
    // An amount field; a stored amount it cannot show is told and kept (StoredAmount).
    void BindAmount(MoneyEdit *amount, const QString &column);

    // A field checked when the user leaves it and whenever the editor opens: failing
    // values are coloured with the hint, never refused.
    void CheckOnLeave(QLineEdit *field, std::function<bool(const QString &)> valid, const QString &hint);

    // The checks of saving, run in the order added. A failing check shows its message;
    // one with a focus field also moves the focus there and stores nothing.
    void AddCheck(std::function<bool()> fails, const QString &message, QWidget *focus);
    void RequireLine(QLineEdit *line, const QString &message);

private:
    struct Binding
    {
        QString column;
        std::function<QVariant()> read;
        std::function<void(const QVariant &)> fill;
        QVariant empty;
        // Empty, or false while saving must leave the column as stored.
        std::function<bool()> writes = {};
    };
    bool open(bool isNew);
    void placeButtonsLastInFocusOrder();

    Setup setup_;
    QWidget *form_;
    QPushButton *PostBtn, *CancelBtn;
    QLineEdit *nameField_ = nullptr;
    std::vector<Binding> bindings_;
    std::vector<SaveCheck> checks_;
    std::vector<std::function<void()>> openChecks_;
    bool isNew_ = false;
    RowStore rowStore_;
    // The row being corrected, or the one a first store added.
    qint32 openedId_ = 0;
};
