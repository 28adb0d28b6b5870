#pragma once

#include "DirectoryEditor.h"

class AccountEdit;
class NameLine;
class OrdinaryOrderFields;

// The editor of one ordinary transfer template: a named order without dates. Unlike
// the order's editor, both accounts are account fields (no amount in words), only the
// name is required, and the contractors and title last chosen are stored with it, so
// that the choosers open on them the next time.
class TSzablonZwyklyFrm : public DirectoryEditor
{
public:
    explicit TSzablonZwyklyFrm(QWidget *parent = nullptr);


private:
    NameLine *EdNazwa;
    AccountEdit *EdKonto_Nad;
    OrdinaryOrderFields *fields_;
};
