#pragma once

#include "DirectoryList.h"

// The payment titles directory; each change is committed at once.
class TTytulyTbl : public DirectoryList
{
public:
    explicit TTytulyTbl(QWidget *parent = nullptr);

    // The grid's columns, shared with the chooser.
    static QVector<DatasetColumn> TitleColumns();
};
