#pragma once

#include "DirectoryList.h"

// The contractors directory. It commits by itself: an added contractor at once, changes
// and deletions when the list closes.
class TAdresaciTbl : public DirectoryList
{
public:
    explicit TAdresaciTbl(QWidget *parent = nullptr);
};
