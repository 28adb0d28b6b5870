#pragma once

#include "DirectoryEditor.h"

class AccountEdit;
class NameLine;

// The editor of one tax authority: its short name, the two lines printed in the
// recipient box of the tax form, and one account per kind of tax.
class TUrzedyFrm : public DirectoryEditor
{
public:
    explicit TUrzedyFrm(QWidget *parent = nullptr);

private:
    QLineEdit *EdNazwa;
    NameLine *EdNazwa1, *EdNazwa2;
    AccountEdit *EdKontoPIT, *EdKontoCIT, *EdKontoVAT, *EdKontoPCC, *EdKontoBud;
};
