#pragma once

#include "FlatFileReader.h"

#include <QDialog>
#include <QThread>
#include <memory>
#include <variant>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// Reads a flat file of the VAT white list into the index on a thread of its own while
// the window shows how far the reading got and offers to stop it. The window closes
// itself when the import ends: accepted when the new list took the old one's place,
// rejected otherwise (a cancel included), with outcome() saying which. Closing it
// early asks the import to stop and waits for that, so the old index stays whole.
class TWczytajWykazFrm : public QDialog
{
    Q_OBJECT

public:
    TWczytajWykazFrm(const QString &file, const QString &indexDirectory, QWidget *parent = nullptr);
    ~TWczytajWykazFrm() override;

    bool running() const;
    const std::variant<FlatFileSummary, QString> &outcome() const { return outcome_; }

    void reject() override;

private:
    void showProgress();
    void finish();
    void cancel();

    QLabel *StanLbl;
    QProgressBar *PostepBar;
    QPushButton *PrzerwijBtn;
    QTimer *timer_;
    qint64 fileSize_;
    ReadProgress progress_;
    std::variant<FlatFileSummary, QString> outcome_;
    std::unique_ptr<QThread> worker_;
};
