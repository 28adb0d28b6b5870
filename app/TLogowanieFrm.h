#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

// The login to a database on a server: user and password, and whether to keep the
// password. "Zaloguj" tries the login under the busy cursor; one the server refuses,
// or an account that may not use the database, is said in the window, which stays
// open for another try.
class TLogowanieFrm : public QDialog
{
public:
    enum class Outcome { Accepted, Refused, Denied, Unreachable };
    struct Answer
    {
        Outcome outcome;
        QString says = {}; // for Denied: why, in the window
    };
    // Tries a login; a server that cannot be reached ends the window too, for the
    // start-up to report without trying again.
    using Attempt = std::function<Answer(const QString &user, const QString &password)>;

    TLogowanieFrm(const QString &database, Attempt attempt, QWidget *parent = nullptr);

    void fill(const QString &user, const QString &password);
    QString user() const;
    QString password() const;
    bool keepPassword() const;
    // How the last try ended.
    Outcome outcome() const { return outcome_; }

    static QString refusedMessage();

private:
    void logIn();

    Attempt attempt_;
    Outcome outcome_ = Outcome::Refused;
    QLineEdit *user_;
    QLineEdit *password_;
    QCheckBox *keep_;
    QLabel *error_;
};
