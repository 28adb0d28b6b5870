#pragma once

#include "DirectoryEditor.h"

class LengthCounter;
class NameLine;

// The editor of one payment title: its short name and the two title lines.
class TTytulFrm : public DirectoryEditor
{
public:
    explicit TTytulFrm(QWidget *parent = nullptr);

private:
    QLineEdit *EdNazwa;
    NameLine *EdTytul1, *EdTytul2;
    LengthCounter *lbTytul1, *lbTytul2;
};
