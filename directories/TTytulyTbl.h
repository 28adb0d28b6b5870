#pragma once

#include "DirectoryList.h"

// The payment titles directory. Its changes stay in the titles' open transaction;
// whoever opened the list commits them when it reports Changed.
class TTytulyTbl : public DirectoryList
{
public:
    explicit TTytulyTbl(QWidget *parent = nullptr);

    // The grid's columns, shared with the chooser.
    static QVector<DatasetColumn> TitleColumns();
};
