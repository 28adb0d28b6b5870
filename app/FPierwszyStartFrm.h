#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Pierwsze uruchomienie": no configuration names a database yet, so the user
// chooses one: a new empty database or the demo one in the user's data directory,
// an existing database file, or a database on a Firebird server. The window makes
// the database where needed and names it in the user's configuration; it closes
// accepted only when both are done.
class TPierwszyStartFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TPierwszyStartFrm(const QString &dataDirectory, QWidget *parent = nullptr);

    // The database name written to the configuration, once accepted.
    const QString &DatabaseName() const { return chosen_; }

private:
    void RodzajChange();
    void WybierzPlikBtnClick();
    void OkBtnClick();

    // The name to write, the database made first where the choice asks for it;
    // empty when the user has been told why not.
    QString prepareChoice();
    QString newDatabase(const QString &path, bool withDemoData);
    QString existingDatabase();
    QString serverDatabase();

    QString dataDirectory_;
    QString newPath_, demoPath_;
    QString chosen_;

    QRadioButton *NowaRb, *IstniejacaRb, *SerwerRb, *DemoRb;
    QLabel *NowaPlikLbl, *DemoPlikLbl;
    QLineEdit *EdPlik, *EdSerwer, *EdSciezka;
    QPushButton *WybierzPlikBtn, *OkBtn, *AnulujBtn;
};
