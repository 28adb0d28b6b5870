#include "TLogowanieFrm.h"

#include "BusyCursor.h"
#include "ErrorReport.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLogowanieFrm::TLogowanieFrm(const QString &database, Attempt attempt, QWidget *parent)
    : QDialog(parent), attempt_(std::move(attempt))
{
    setObjectName(QStringLiteral("LogowanieFrm"));
    setWindowTitle(QStringLiteral("Logowanie"));

    auto *place = new QLabel(QStringLiteral("Baza: ") + database, this);
    place->setObjectName(QStringLiteral("BazaLabel"));
    user_ = new QLineEdit(this);
    user_->setObjectName(QStringLiteral("UzytkownikEdit"));
    user_->setMaxLength(31);
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("HasloEdit"));
    password_->setEchoMode(QLineEdit::Password);
    keep_ = new QCheckBox(QStringLiteral("&Zapamiętaj hasło"), this);
    keep_->setObjectName(QStringLiteral("ZapamietajCheck"));
    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("BladLabel"));
    error_->setStyleSheet(QStringLiteral("color: #b00000"));
    error_->setWordWrap(true);
    error_->hide();

    auto *logIn = new QPushButton(QStringLiteral("Za&loguj"), this);
    logIn->setObjectName(QStringLiteral("ZalogujBtn"));
    logIn->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel->setObjectName(QStringLiteral("AnulujBtn"));
    ConnectGuarded(logIn, &QPushButton::clicked, this, &TLogowanieFrm::logIn);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Użytkownik:"), user_);
    fields->addRow(QStringLiteral("&Hasło:"), password_);
    fields->addRow(QString(), keep_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(logIn);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(place);
    layout->addLayout(fields);
    layout->addWidget(error_);
    layout->addLayout(buttons);
}

void TLogowanieFrm::fill(const QString &user, const QString &password)
{
    user_->setText(user);
    password_->setText(password);
    keep_->setChecked(!password.isEmpty());
    (user.isEmpty() ? user_ : password_)->setFocus();
}

QString TLogowanieFrm::user() const
{
    return user_->text().trimmed();
}

QString TLogowanieFrm::password() const
{
    return password_->text();
}

bool TLogowanieFrm::keepPassword() const
{
    return keep_->isChecked();
}

QString TLogowanieFrm::refusedMessage()
{
    return QStringLiteral("Nieprawidłowa nazwa użytkownika lub hasło. Spróbuj ponownie.");
}

void TLogowanieFrm::logIn()
{
    if (user().isEmpty()) {
        error_->setText(QStringLiteral("Podaj nazwę użytkownika."));
        error_->show();
        user_->setFocus();
        return;
    }
    Answer answer{Outcome::Refused};
    {
        const BusyCursor busy;
        answer = attempt_(user(), password());
    }
    outcome_ = answer.outcome;
    if (answer.outcome == Outcome::Refused || answer.outcome == Outcome::Denied) {
        error_->setText(answer.outcome == Outcome::Refused ? refusedMessage() : answer.says);
        error_->show();
        password_->clear();
        password_->setFocus();
        return;
    }
    accept();
}
