#include "LayoutRenderer.h"
#include "Layouts.h"
#include "PageCanvas.h"
#include "PrintTarget.h"
#include "Samples.h"
#include "SettingsSandbox.h"

#include <QList>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Keeps what one page drew, in the order it was drawn.
class SequenceTarget : public PrintTarget, private PageCanvas
{
public:
    explicit SequenceTarget(bool preview) : preview_(preview) {}

    enum class Kind { Text, Frame, Guide, Image };
    struct Drawn
    {
        Kind kind;
        QRect rect;
    };
    QList<Drawn> drawn;

    QList<QRect> rects(Kind kind) const
    {
        QList<QRect> found;
        for (const Drawn &d : drawn)
            if (d.kind == kind)
                found << d.rect;
        return found;
    }

    QString printerName() const override { return QStringLiteral("Podgląd"); }
    PageGeometry prepareJob(const QString &, QPageLayout::Orientation orientation) override
    {
        const QSize a4(4961, 7016);
        return {600, 600, {}, orientation == QPageLayout::Landscape ? a4.transposed() : a4};
    }
    PageCanvas &beginJob() override { return *this; }
    bool endJob() override { return true; }
    bool finishRun() override { return true; }
    bool showsFormOutlines() const override { return preview_; }

private:
    void selectFont(int points) override { points_ = points; }
    void drawText(int x, int y, const QString &text) override
    {
        drawn.append({Kind::Text, QRect(x, y, textWidth(text), lineHeight())});
    }
    void drawRect(const QRect &rect) override { drawn.append({Kind::Frame, rect}); }
    void drawGuide(const QRect &rect) override { drawn.append({Kind::Guide, rect}); }
    void drawImage(const QRect &rect, const QImage &) override { drawn.append({Kind::Image, rect}); }
    int lineHeight() const override { return points_ * 600 * 23 / (72 * 20); }
    int textWidth(const QString &text) const override { return int(text.size()) * points_ * 600 / 144; }

    bool preview_;
    int points_ = 10;
};

}

TEST(PreviewOutlines, ThePreviewShowsTheTrialPrintsBoxesBeneathTheTextsAndPaperNever)
{
    SettingsSandbox sandbox;
    const TZwykly ordinary = Samples::ordinary();
    const TPodatkowy tax = Samples::tax();
    TZUS zus = Samples::zus();
    zus.SetCurrentComponent(51);
    const struct {
        PrintForm form;
        std::function<PageReport(PrintTarget &)> print;
        int copies;
        int lastCopyOnly;   // fields written into the last copy alone (K-117's date)
    } rows[] = {
        {PrintForm::F110, [&](PrintTarget &t) { return PrintF110(t, ordinary, true, true); }, 2, 0},
        {PrintForm::K117, [&](PrintTarget &t) { return PrintK117(t, ordinary, true, true); }, 4, 1},
        {PrintForm::F130, [&](PrintTarget &t) { return PrintF130(t, tax, true, true); }, 2, 0},
        {PrintForm::K471, [&](PrintTarget &t) { return PrintK471(t, tax, true, true); }, 2, 0},
        {PrintForm::F101, [&](PrintTarget &t) { return PrintF101(t, zus, true, true); }, 2, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(FormName(row.form).toStdString());
        SequenceTarget trial(false), paper(false), preview(true);
        RenderOutline(trial, LayoutOf(row.form), Margins{});
        const PageReport printed = row.print(paper);
        const PageReport previewed = row.print(preview);

        EXPECT_TRUE(paper.rects(SequenceTarget::Kind::Guide).isEmpty());
        EXPECT_TRUE(paper.rects(SequenceTarget::Kind::Frame).isEmpty());
        // The same texts in the same places, and the guides change no cut-off report.
        EXPECT_EQ(preview.rects(SequenceTarget::Kind::Text), paper.rects(SequenceTarget::Kind::Text));
        EXPECT_EQ(previewed.cutOffMm, printed.cutOffMm);

        const QList<QRect> guides = preview.rects(SequenceTarget::Kind::Guide);
        const QList<QRect> boxes = trial.rects(SequenceTarget::Kind::Frame);
        // The first copy's boxes are the trial print's, but for a field written elsewhere;
        // every copy gets its boxes.
        const auto missing = std::count_if(boxes.begin(), boxes.end(), [&](const QRect &b) { return !guides.contains(b); });
        EXPECT_EQ(missing, row.lastCopyOnly);
        EXPECT_EQ(guides.size(), row.copies * boxes.size() - row.lastCopyOnly * (row.copies - 1));
        const auto firstText = std::find_if(preview.drawn.begin(), preview.drawn.end(), [](const auto &d) {
            return d.kind == SequenceTarget::Kind::Text;
        });
        EXPECT_EQ(firstText - preview.drawn.begin(), guides.size()) << "every guide lies beneath the texts";
    }
}
