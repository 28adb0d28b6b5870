#pragma once

#include "DirectoryList.h"

// The contractors directory; each change is committed at once.
class TAdresaciTbl : public DirectoryList
{
public:
    explicit TAdresaciTbl(QWidget *parent = nullptr);
};
