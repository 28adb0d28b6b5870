#pragma once

#include "DirectoryList.h"

// The tax authorities directory, in the order they were added. Its changes stay in the
// authorities' open transaction; whoever opened the list commits them when it reports
// Changed. A double click does nothing here.
class TUrzedyTbl : public DirectoryList
{
public:
    explicit TUrzedyTbl(QWidget *parent = nullptr);
};
