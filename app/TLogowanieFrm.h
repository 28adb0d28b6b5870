#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

// The login to a database on a server: user and password, and whether to keep the
// password. "Zaloguj" tries the login; one the server refuses is said in the window,
// which stays open for another try.
class TLogowanieFrm : public QDialog
{
public:
    enum class Outcome { Accepted, Refused, Unreachable };
    // Tries a login; a server that cannot be reached ends the window too, for the
    // connection that follows to report.
    using Attempt = std::function<Outcome(const QString &user, const QString &password)>;

    TLogowanieFrm(const QString &database, Attempt attempt, QWidget *parent = nullptr);

    void fill(const QString &user, const QString &password);
    QString user() const;
    QString password() const;
    bool keepPassword() const;

    static QString refusedMessage();

private:
    void logIn();

    Attempt attempt_;
    QLineEdit *user_;
    QLineEdit *password_;
    QCheckBox *keep_;
    QLabel *error_;
};
