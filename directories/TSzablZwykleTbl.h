#pragma once

#include "DirectoryList.h"

// The ordinary transfer templates. Every save and deletion is committed at once, by
// the reopen of the templates list.
class TSzablZwykleTbl : public DirectoryList
{
public:
    explicit TSzablZwykleTbl(QWidget *parent = nullptr);

    // The grid's columns, shared with the chooser.
    static QVector<DatasetColumn> TemplateColumns();
};
