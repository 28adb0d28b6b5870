#include "TWczytajWykazFrm.h"

#include "WhitelistImport.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int Steps = 1000;

}

TWczytajWykazFrm::TWczytajWykazFrm(const QString &file, const QString &indexDirectory, QWidget *parent)
    : QDialog(parent), fileSize_(QFileInfo(file).size())
{
    setObjectName(QStringLiteral("TWczytajWykazFrm"));
    setWindowTitle(QStringLiteral("Wykaz podatników VAT"));
    auto *layout = new QVBoxLayout(this);
    StanLbl = new QLabel(QStringLiteral("Wczytywanie pliku %1…").arg(QFileInfo(file).fileName()), this);
    StanLbl->setObjectName(QStringLiteral("StanLbl"));
    PostepBar = new QProgressBar(this);
    PostepBar->setObjectName(QStringLiteral("PostepBar"));
    PostepBar->setRange(0, Steps);
    PrzerwijBtn = new QPushButton(QStringLiteral("&Przerwij"), this);
    PrzerwijBtn->setObjectName(QStringLiteral("PrzerwijBtn"));
    layout->addWidget(StanLbl);
    layout->addWidget(PostepBar);
    layout->addWidget(PrzerwijBtn, 0, Qt::AlignRight);
    resize(420, sizeHint().height());
    connect(PrzerwijBtn, &QPushButton::clicked, this, &TWczytajWykazFrm::cancel);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &TWczytajWykazFrm::showProgress);
    timer_->start(100);
    worker_.reset(QThread::create([this, file, indexDirectory] {
        outcome_ = ImportFlatFile(file, indexDirectory, &progress_);
    }));
    connect(worker_.get(), &QThread::finished, this, &TWczytajWykazFrm::finish, Qt::QueuedConnection);
    worker_->start();
}

TWczytajWykazFrm::~TWczytajWykazFrm()
{
    progress_.cancelled = true;
    worker_->wait();
}

bool TWczytajWykazFrm::running() const
{
    return !worker_->isFinished();
}

void TWczytajWykazFrm::reject()
{
    cancel();
}

void TWczytajWykazFrm::cancel()
{
    progress_.cancelled = true;
    PrzerwijBtn->setEnabled(false);
    StanLbl->setText(QStringLiteral("Przerywanie wczytywania…"));
}

void TWczytajWykazFrm::showProgress()
{
    const qint64 read = progress_.fileBytesRead;
    PostepBar->setValue(fileSize_ > 0 ? int(qMin<qint64>(Steps, read * Steps / fileSize_)) : 0);
    // After the last byte the entries are still being sorted into the index.
    if (fileSize_ > 0 && read >= fileSize_ && !progress_.cancelled)
        StanLbl->setText(QStringLiteral("Zapisywanie indeksu wykazu…"));
}

void TWczytajWykazFrm::finish()
{
    timer_->stop();
    if (std::holds_alternative<FlatFileSummary>(outcome_)) {
        PostepBar->setValue(Steps);
        done(Accepted);
    } else {
        done(Rejected);
    }
}
