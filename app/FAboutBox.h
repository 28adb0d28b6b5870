#pragma once

#include <QDialog>

// "O programie...": the program's icon, name and version, and who makes it.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
