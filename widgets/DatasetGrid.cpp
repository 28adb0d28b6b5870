#include "DatasetGrid.h"

#include <QHeaderView>

namespace {

// A column without a width of its own gets what a number of this many digits needs.
constexpr int DefaultColumnDigits = 8;
constexpr int CellPadding = 12;
constexpr int IndicatorWidth = 16;

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
    for (int column = 0; column < model_->columns().size(); ++column) {
        const int width = model_->columns().at(column).width;
        const int titleWidth = titles->sectionSizeHint(column);
        setColumnWidth(column, width > 0 ? width : qMax(defaultWidth, titleWidth));
    }
}
