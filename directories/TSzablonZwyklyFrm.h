#pragma once

#include "DirectoryEditor.h"

class AccountEdit;
class LengthCounter;
class MoneyEdit;
class NameLine;
class OperationKind;

// The editor of one ordinary transfer template: a named order without dates. Unlike
// the order's editor, both accounts are account fields (no amount in words), only the
// name is required, and the contractors and title last chosen are stored with it, so
// that the choosers open on them the next time.
class TSzablonZwyklyFrm : public DirectoryEditor
{
public:
    explicit TSzablonZwyklyFrm(QWidget *parent = nullptr);

    void NazwaOdbClick();
    void NazwaNadClick();
    void TytulClick();

private:
    NameLine *EdNazwa, *EdNazwa1_Odb, *EdNazwa2_Odb, *EdNazwa1_Nad, *EdNazwa2_Nad, *EdTytul1, *EdTytul2;
    LengthCounter *lbNazwa1_Odb, *lbNazwa2_Odb, *lbNazwa1_Nad, *lbNazwa2_Nad, *lbTytul1, *lbTytul2;
    AccountEdit *EdKonto_Odb, *EdKonto_Nad;
    OperationKind *EdOperacja;
    MoneyEdit *EdKwota;
    qint32 OdbiorcaId = 0, NadawcaId = 0, TytulId = 0;
};
