#pragma once

#include "PageCanvas.h"
#include "PrintTarget.h"

#include <QList>
#include <QPageLayout>
#include <QRect>
#include <QStringList>
#include <ostream>

// Readable failures: texts are shown as text, not as bytes.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A text as the layout wrote it: device position of its top-left corner and font size.
struct DrawnText
{
    int x = 0;
    int y = 0;
    QString text;
    int points = 0;
};

struct RecordedJob
{
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<DrawnText> texts;
    QList<QRect> rects;
    bool ended = false;
    QList<QRect> images;

    QStringList textsOnly() const
    {
        QStringList all;
        for (const DrawnText &t : texts)
            all << t.text;
        return all;
    }
    // Every text written at exactly this point.
    QList<DrawnText> at(int x, int y) const
    {
        QList<DrawnText> found;
        for (const DrawnText &t : texts)
            if (t.x == x && t.y == y)
                found << t;
        return found;
    }
};

// Keeps every job, text and rectangle, with metrics that depend only on the font
// size and resolution, so positions can be checked exactly.
class RecordingTarget : public PrintTarget, private PageCanvas
{
public:
    explicit RecordingTarget(QString printer = QStringLiteral("Testowa"), int dpiX = 600, int dpiY = 600)
        : printer_(std::move(printer)), dpiX_(dpiX), dpiY_(dpiY)
    {
    }

    // The printer's unprintable border, in device units, on every side.
    QPoint printingOffset;
    bool failOnBegin = false;
    bool failOnEnd = false;
    // Whether the recorder stands for a preview or a PDF file, which carry the payment code.
    bool paymentCode = false;
    QList<RecordedJob> jobs;
    int runsFinished = 0;

    QString printerName() const override { return printer_; }

    PageGeometry prepareJob(const QString &title, QPageLayout::Orientation orientation) override
    {
        pendingTitle_ = title;
        pendingOrientation_ = orientation;
        // A4 at the printer's resolution, less the border on each side.
        QSize sheet(qRound(210 / 25.4 * dpiX_), qRound(297 / 25.4 * dpiY_));
        if (orientation == QPageLayout::Landscape)
            sheet = QSize(qRound(297 / 25.4 * dpiX_), qRound(210 / 25.4 * dpiY_));
        return {dpiX_, dpiY_, printingOffset,
                QSize(sheet.width() - 2 * printingOffset.x(), sheet.height() - 2 * printingOffset.y())};
    }

    PageCanvas &beginJob() override
    {
        if (failOnBegin)
            throw PrintError("Drukarka jest wyłączona.");
        RecordedJob job;
        job.title = pendingTitle_;
        job.orientation = pendingOrientation_;
        jobs.append(job);
        return *this;
    }

    bool endJob() override
    {
        jobs.last().ended = true;
        return !failOnEnd;
    }

    bool finishRun() override
    {
        ++runsFinished;
        return true;
    }

    bool showsPaymentCode() const override { return paymentCode; }

private:
    void selectFont(int points) override { points_ = points; }
    void drawText(int x, int y, const QString &text) override { jobs.last().texts.append({x, y, text, points_}); }
    void drawRect(const QRect &rect) override { jobs.last().rects.append(rect); }
    void drawImage(const QRect &rect, const QImage &) override { jobs.last().images.append(rect); }
    int lineHeight() const override { return points_ * dpiY_ * 23 / (72 * 20); }
    int textWidth(const QString &text) const override { return int(text.size()) * points_ * dpiX_ / 144; }

    QString printer_;
    int dpiX_;
    int dpiY_;
    int points_ = 0;
    QString pendingTitle_;
    QPageLayout::Orientation pendingOrientation_ = QPageLayout::Portrait;
};

// Lends a recorder to code that takes ownership of its target, so that the test
// can read the jobs after that code has released it.
class BorrowedTarget : public PrintTarget
{
public:
    explicit BorrowedTarget(RecordingTarget &target) : target_(target) {}
    QString printerName() const override { return target_.printerName(); }
    PageGeometry prepareJob(const QString &title, QPageLayout::Orientation orientation) override
    {
        return target_.prepareJob(title, orientation);
    }
    PageCanvas &beginJob() override { return target_.beginJob(); }
    bool endJob() override { return target_.endJob(); }
    bool finishRun() override { return target_.finishRun(); }

private:
    RecordingTarget &target_;
};
