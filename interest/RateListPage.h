#pragma once

#include "RateTables.h"

#include <QWidget>

class DatasetGrid;
class QToolButton;

// One tab of the interest window: a bar of three flat buttons above a read-only grid
// of one rate table, oldest entry first. The buttons' clicks are the window's to
// connect; the page keeps their enabled state and does the work.
class RateListPage : public QWidget
{
    Q_OBJECT

public:
    struct Captions
    {
        QString insert, edit, remove;
    };

    RateListPage(RateKind kind, const Captions &captions, QWidget *parent = nullptr);

    RateKind Kind() const { return kind_; }

    // Edit and delete only while the list is open and has an entry.
    void UpdateButtons();

    void InsertEntry();
    void EditEntry();
    void DeleteEntry();
    // A double click edits, when editing is possible.
    void GridDblClick();
    // Reads the table again, on the entry the list stands on.
    void Refresh();

    QToolButton *InsertBtn, *EditBtn, *DeleteBtn;
    DatasetGrid *Grid;

private:
    RateKind kind_;
};
