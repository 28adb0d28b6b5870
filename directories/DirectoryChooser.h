#pragma once

#include "DatasetModel.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class DatasetGrid;
class DirectoryList;
class FbTransaction;
class QPushButton;
class SearchBox;

// The chooser of one directory, opened by an editor: the grid, the search field and
// "&Wybierz" (default), "&Anuluj" (also Escape) and "&Kartoteka", which opens the
// directory's list. It shows either the directory's own list dataset, or a query of
// its own in a transaction of its own.
class DirectoryChooser : public QDialog
{
public:
    struct Setup
    {
        const char *objectName;
        QString caption;
        Dataset *dataset;                   // the list shared with the directory's windows
        QString ownQuerySql = {};           // when set, the rows come from this query instead
        QString keyField;
        const char *gridName;
        QVector<DatasetColumn> columns;
        QString searchCaption;
        std::function<std::unique_ptr<DirectoryList>(QWidget *parent)> list;
    };

    ~DirectoryChooser() override;

    // Positions the chooser on the row with that identifier when it is above 0 (staying
    // put when there is none), then shows it; true when a row was chosen.
    bool ShowAt(qint32 id);

    void SelectBtnClick();
    void KartotekaBtnClick();

    Dataset &Rows() const { return *rows_; }

protected:
    DirectoryChooser(Setup setup, QWidget *parent);

    // Shows the chooser where its rows stand; true when a row was chosen.
    bool ShowHere();
    // Copies the chosen row into the directory's choice record.
    virtual void TakeChoice(const Dataset &row) = 0;

private:
    void SetSelectButton();
    qint32 CurrentId() const;

    Setup setup_;
    std::unique_ptr<FbTransaction> ownTransaction_;
    std::unique_ptr<Dataset> ownQuery_;
    Dataset *rows_;
    DatasetGrid *grid_;
    SearchBox *search_;
    QPushButton *SelectBtn, *CancelBtn, *KartotekaBtn;
};

// Opens a chooser on the row an editor chose last (lastId, 0 when none). After a
// choice lastId names the chosen row, so the chooser opens there the next time.
template<typename Chooser, typename Choice>
std::optional<Choice> ChooseAgain(QWidget *parent, qint32 &lastId, qint32 Choice::*idField)
{
    Chooser chooser(parent);
    if (!chooser.ShowAt(lastId))
        return std::nullopt;
    const Choice chosen = chooser.Choice();
    lastId = chosen.*idField;
    return chosen;
}
