#pragma once

#include "DirectoryList.h"

// The tax authorities directory, in the order they were added; each change is committed
// at once. A double click does nothing here.
class TUrzedyTbl : public DirectoryList
{
public:
    explicit TUrzedyTbl(QWidget *parent = nullptr);
};
