#pragma once

#include "DirectoryEditor.h"

class AccountEdit;
class NameLine;
class QComboBox;

// The editor of one contractor: its short name, the name lines it has as recipient
// and as sender, its account and identification numbers, contact data and the
// signature lines of the tax and ZUS forms.
class TAdresatFrm : public DirectoryEditor
{
public:
    explicit TAdresatFrm(QWidget *parent = nullptr);

    // "Kopiuj": the recipient name lines replace the sender name lines.
    void CopyBtnClick();

private:
    QWidget *namesPart();
    QWidget *numbersPart();
    QWidget *contactPart();
    QWidget *signaturesPart(const QString &caption, const char *suffix);

    QLineEdit *EdNazwa;
    NameLine *EdNazwa1_Odb, *EdNazwa2_Odb, *EdNazwa1_Nad, *EdNazwa2_Nad;
    AccountEdit *EdKonto;
    QLineEdit *EdNIP, *EdRegon, *EdPesel;
    QComboBox *EdTypIdentyf;
};
