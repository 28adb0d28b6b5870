#include "FPierwszyStartFrm.h"

#include "DatabaseCreator.h"
#include "DatabasePath.h"
#include "DemoData.h"
#include "ErrorReport.h"
#include "FbConnection.h"
#include "MessageSeam.h"
#include "ModalSeam.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template<typename Widget, typename... Args>
Widget *named(const char *name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A new database never replaces a file: the first of zanderol.fdb, zanderol-2.fdb, ... that is free.
QString freeFileName(const QDir &directory, const QString &stem)
{
    QString name = stem + QStringLiteral(".fdb");
    for (int number = 2; QFileInfo::exists(directory.filePath(name)); ++number)
        name = QStringLiteral("%1-%2.fdb").arg(stem).arg(number);
    return directory.filePath(name);
}

}

TPierwszyStartFrm::TPierwszyStartFrm(const QString &dataDirectory, QWidget *parent)
    : QDialog(parent), dataDirectory_(dataDirectory)
{
    setObjectName(QStringLiteral("TPierwszyStartFrm"));
    setWindowTitle(QStringLiteral("Pierwsze uruchomienie"));
    const QDir directory(dataDirectory_);
    newPath_ = freeFileName(directory, QStringLiteral("zanderol"));
    // The demo database is one: a later choice of it opens the one made before.
    demoPath_ = directory.filePath(QStringLiteral("demo.fdb"));

    auto *info = named<QLabel>("InfoLbl", QStringLiteral("Program nie ma jeszcze wskazanej bazy danych.\n"
                                                         "Wybierz, na jakiej bazie ma pracować:"), this);
    NowaRb = named<QRadioButton>("NowaRb", QStringLiteral("&Nowa, pusta baza danych"), this);
    NowaPlikLbl = named<QLabel>("NowaPlikLbl", QDir::toNativeSeparators(newPath_), this);
    IstniejacaRb = named<QRadioButton>("IstniejacaRb", QStringLiteral("&Istniejący plik bazy danych"), this);
    EdPlik = named<QLineEdit>("EdPlik", this);
    WybierzPlikBtn = named<QPushButton>("WybierzPlikBtn", QStringLiteral("Wy&bierz…"), this);
    SerwerRb = named<QRadioButton>("SerwerRb", QStringLiteral("Baza na &serwerze Firebird"), this);
    EdSerwer = named<QLineEdit>("EdSerwer", this);
    EdSciezka = named<QLineEdit>("EdSciezka", this);
    DemoRb = named<QRadioButton>("DemoRb", QStringLiteral("Baza &przykładowa, do obejrzenia programu"), this);
    DemoPlikLbl = named<QLabel>("DemoPlikLbl", QDir::toNativeSeparators(demoPath_), this);
    for (QLabel *path : {NowaPlikLbl, DemoPlikLbl})
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    EdSerwer->setPlaceholderText(QStringLiteral("np. serwer lub 192.168.1.10"));
    EdSciezka->setPlaceholderText(QStringLiteral("np. /srv/zanderol/zanderol.fdb"));

    auto *choices = new QButtonGroup(this);
    for (QRadioButton *choice : {NowaRb, IstniejacaRb, SerwerRb, DemoRb})
        choices->addButton(choice);
    NowaRb->setChecked(true);

    auto *buttons = new QDialogButtonBox(this);
    OkBtn = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    AnulujBtn = buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    AnulujBtn->setObjectName(QStringLiteral("AnulujBtn"));

    const auto single = [](QWidget *widget) {
        auto *box = new QHBoxLayout;
        box->addWidget(widget);
        return box;
    };
    auto *file = new QHBoxLayout;
    file->addWidget(EdPlik, 1);
    file->addWidget(WybierzPlikBtn);
    auto *server = new QFormLayout;
    server->addRow(QStringLiteral("Serwer:"), EdSerwer);
    server->addRow(QStringLiteral("Ścieżka bazy na serwerze:"), EdSciezka);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    // Each choice with its details indented under it.
    const std::pair<QRadioButton *, QLayout *> rows[] = {
        {NowaRb, single(NowaPlikLbl)}, {IstniejacaRb, file}, {SerwerRb, server}, {DemoRb, single(DemoPlikLbl)}};
    for (const auto &[choice, details] : rows) {
        layout->addWidget(choice);
        details->setContentsMargins(24, 0, 0, 6);
        layout->addLayout(details);
    }
    layout->addWidget(buttons);
    resize(480, sizeHint().height());

    for (QRadioButton *choice : {NowaRb, IstniejacaRb, SerwerRb, DemoRb})
        ConnectGuarded(choice, &QRadioButton::toggled, this, &TPierwszyStartFrm::RodzajChange);
    ConnectGuarded(WybierzPlikBtn, &QPushButton::clicked, this, &TPierwszyStartFrm::WybierzPlikBtnClick);
    ConnectGuarded(OkBtn, &QPushButton::clicked, this, &TPierwszyStartFrm::OkBtnClick);
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);
    RodzajChange();
}

void TPierwszyStartFrm::RodzajChange()
{
    for (QWidget *field : {static_cast<QWidget *>(EdPlik), static_cast<QWidget *>(WybierzPlikBtn)})
        field->setEnabled(IstniejacaRb->isChecked());
    for (QLineEdit *field : {EdSerwer, EdSciezka})
        field->setEnabled(SerwerRb->isChecked());
}

void TPierwszyStartFrm::WybierzPlikBtnClick()
{
    QFileDialog chooser(this, QStringLiteral("Wybierz plik bazy danych"), EdPlik->text().isEmpty() ? QDir::homePath() : EdPlik->text(),
                        QStringLiteral("Bazy danych Firebird (*.fdb *.gdb *.dat *.FDB *.GDB *.DAT);;Wszystkie pliki (*)"));
    chooser.setObjectName(QStringLiteral("WybierzPlikDlg"));
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    if (ModalSeam::run(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        EdPlik->setText(QDir::toNativeSeparators(chooser.selectedFiles().first()));
}

void TPierwszyStartFrm::OkBtnClick()
{
    const QString name = prepareChoice();
    if (name.isEmpty())
        return;
    const QString problem = WriteDatabasePath(name);
    if (!problem.isEmpty()) {
        MessageSeam::warning(QStringLiteral("Nie udało się zapisać, którą bazę wybrano.\n") + problem);
        return;
    }
    chosen_ = name;
    accept();
}

QString TPierwszyStartFrm::prepareChoice()
{
    if (NowaRb->isChecked())
        return newDatabase(newPath_, false);
    if (DemoRb->isChecked())
        return QFileInfo::exists(demoPath_) ? demoPath_ : newDatabase(demoPath_, true);
    if (IstniejacaRb->isChecked())
        return existingDatabase();
    return serverDatabase();
}

QString TPierwszyStartFrm::newDatabase(const QString &path, bool withDemoData)
{
    // Made under another name first, so that a failure leaves no half-made database
    // where the next attempt would take it for a finished one.
    const QString part = path + QStringLiteral(".part");
    try {
        if (!QDir().mkpath(dataDirectory_))
            throw FbError(QStringLiteral("Nie można utworzyć katalogu %1.").arg(QDir::toNativeSeparators(dataDirectory_)));
        QFile::remove(part);
        CreateEmptyDatabase(part);
        if (withDemoData)
            AddDemoData(part);
        if (!QFile::rename(part, path))
            throw FbError(QStringLiteral("Nie można nadać plikowi nazwy %1.").arg(QDir::toNativeSeparators(path)));
    } catch (const FbError &error) {
        QFile::remove(part);
        MessageSeam::warning(QStringLiteral("Nie udało się utworzyć bazy %1.\n%2").arg(QDir::toNativeSeparators(path), error.message()));
        return {};
    }
    return path;
}

QString TPierwszyStartFrm::existingDatabase()
{
    const QString path = EdPlik->text().trimmed();
    if (path.isEmpty()) {
        MessageSeam::warning(QStringLiteral("Wskaż plik bazy danych."));
        EdPlik->setFocus();
        return {};
    }
    if (!QFileInfo(path).isFile()) {
        MessageSeam::warning(QStringLiteral("Nie ma pliku %1.").arg(path));
        EdPlik->setFocus();
        return {};
    }
    // Named in the configuration only when it opens, or the next start would be stuck on it.
    try {
        FbConnection probe;
        probe.setDatabaseName(QDir::fromNativeSeparators(path));
        probe.open();
        probe.close();
    } catch (const FbError &error) {
        MessageSeam::warning(QStringLiteral("Nie udało się otworzyć bazy %1.\n%2").arg(path, error.message()));
        EdPlik->setFocus();
        return {};
    }
    return QDir::fromNativeSeparators(path);
}

QString TPierwszyStartFrm::serverDatabase()
{
    const QString host = EdSerwer->text().trimmed();
    const QString path = EdSciezka->text().trimmed();
    if (host.isEmpty()) {
        MessageSeam::warning(QStringLiteral("Podaj nazwę lub adres serwera."));
        EdSerwer->setFocus();
        return {};
    }
    if (path.isEmpty()) {
        MessageSeam::warning(QStringLiteral("Podaj ścieżkę bazy na serwerze."));
        EdSciezka->setFocus();
        return {};
    }
    // The server's login is asked for when the program connects.
    return host + u':' + path;
}
