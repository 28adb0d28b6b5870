#pragma once

#include "InterestWalk.h"

#include <QDialog>

class QTreeWidget;

// The periods of the interest window's last successful calculation, one list per
// rate table, newest period first.
class TOdsetkiDet : public QDialog
{
    Q_OBJECT

public:
    explicit TOdsetkiDet(QWidget *parent = nullptr);

    void Fill(const InterestResult &tax, const InterestResult &statutory);

    QTreeWidget *PodatView, *UstawView;
};
