#pragma once

#include "DatasetModel.h"

#include <QDialog>
#include <functional>
#include <memory>

class DatasetGrid;
class DirectoryEditor;
class QToolButton;
class SearchBox;

// The list of one directory: a toolbar with "&Dodaj", "&Popraw", "&Usuń" and, at its
// right end, "&Zamknij", the grid and the search field; F5 reads the list again. Every
// way of closing it (the button, Escape, the close box) runs the same closing logic.
class DirectoryList : public QDialog
{
public:
    struct Setup
    {
        const char *objectName;
        QString caption;
        Dataset *dataset;
        QString keyField;
        const char *gridName;
        QVector<DatasetColumn> columns;
        QString searchCaption;              // shown as "Szukaj [<caption>]"
        QString deleteQuestion;
        std::function<std::unique_ptr<DirectoryEditor>(QWidget *parent)> editor;
        bool doubleClickEdits = true;       // a double click on a row acts as "&Popraw"
        // Commits a deletion at once, as the editor commits a store, so that no change
        // waits in an open transaction for the window to close (holding the row's lock
        // against the other desktops, and lost with the connection): reads the list
        // again standing on the row given (0 on an empty list).
        std::function<void(qint32 id)> afterDelete;
    };

    void ShowList();
    // Positions the list on the row with that identifier (staying put when there is
    // none), then shows it.
    void ShowAt(qint32 id);
    // Whether a row was added, changed or deleted while the list was open.
    bool Changed() const { return changed_; }
    Dataset &Rows() const { return *setup_.dataset; }

    void InsertBtnClick();
    void EditBtnClick();
    void DeleteBtnClick();
    void CloseBtnClick();
    // Reads the list again, as it is in the database now.
    void RefreshClick();
    // Escape and the close box close the way "&Zamknij" does.
    void reject() override;

protected:
    DirectoryList(Setup setup, QWidget *parent);

private:
    void SetButtons();
    void KeepInOrder(qint32 id);
    qint32 CurrentId() const;
    void show();

    Setup setup_;
    QToolButton *InsertBtn, *EditBtn, *DeleteBtn, *CloseBtn;
    DatasetGrid *grid_;
    SearchBox *search_;
    bool changed_ = false;
};
