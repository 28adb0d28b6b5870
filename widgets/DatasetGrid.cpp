#include "DatasetGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

namespace {

// A column without a width of its own gets what a number of this many digits needs.
constexpr int DefaultColumnDigits = 8;
constexpr int CellPadding = 12;
constexpr int IndicatorWidth = 16;

// The pixel widths given to columns were made for a small 8-point font, in which an
// amount column 82 pixels wide just shows the largest amount of an order.
constexpr int ReferenceAmountWidth = 82;
const QString LargestAmount = QStringLiteral("999 999 999,99");

}

DatasetGrid::DatasetGrid(Dataset &dataset, QVector<DatasetColumn> columns, QWidget *parent)
    : QTableView(parent), model_(new DatasetModel(dataset, std::move(columns), this))
{
    setModel(model_);
    model_->bindSelection(selectionModel());

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);

    // The selected row stays marked while another control has the focus.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    QHeaderView *titles = horizontalHeader();
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setSectionsMovable(false);
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setStretchLastSection(false);

    QHeaderView *indicator = verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(fontMetrics().height() + 4);
    indicator->setHighlightSections(false);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    indicator->setFixedWidth(IndicatorWidth);

    const int defaultWidth = fontMetrics().horizontalAdvance(QString(DefaultColumnDigits, u'0')) + CellPadding;
    const double scale = WidthScale();
    for (int column = 0; column < model_->columns().size(); ++column) {
        const int width = model_->columns().at(column).width;
        const int titleWidth = titles->sectionSizeHint(column);
        setColumnWidth(column, width > 0 ? int(std::lround(width * scale)) : qMax(defaultWidth, titleWidth));
    }
}

int DatasetGrid::TextMargins() const
{
    // What a cell keeps free on each side of its text.
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

double DatasetGrid::WidthScale() const
{
    // Every given width grows by the same factor, so the columns keep their proportions;
    // never below the widths as given.
    const int needed = fontMetrics().horizontalAdvance(LargestAmount) + TextMargins();
    return qMax(1.0, double(needed) / ReferenceAmountWidth);
}

int DatasetGrid::FullWidth() const
{
    return IndicatorWidth + horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}
