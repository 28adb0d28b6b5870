#pragma once

#include <QToolBar>

class QToolButton;

// The toolbar of a list window: "&Dodaj", "&Popraw" and "&Usuń" on the left, "&Zamknij"
// on the right, text only. The buttons never take the focus, so it stays in the grid
// or the search field while the user works through the list.
class ListToolBar : public QToolBar
{
public:
    explicit ListToolBar(QWidget *parent);

    QToolButton *InsertBtn, *EditBtn, *DeleteBtn, *CloseBtn;
};
