#include "FOdsetkiDet.h"

#include "RegionalFormat.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct Column
{
    const char *title;
    int width;
    Qt::Alignment alignment;
};

const Column Columns[] = {
    {"Od dnia - do dnia", 150, Qt::AlignLeft},
    {"Ilość dni", 80, Qt::AlignRight},
    {"Stawka", 75, Qt::AlignRight},
    {"Kwota", 90, Qt::AlignRight},
};

QTreeWidget *periodList(QWidget *parent, const char *name)
{
    auto *view = new QTreeWidget(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRootIsDecorated(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setColumnCount(int(std::size(Columns)));
    QStringList titles;
    for (const Column &column : Columns)
        titles << QString::fromUtf8(column.title);
    view->setHeaderLabels(titles);
    // The period column grows when the font needs more room to show both days whole.
    const int periodWidth = view->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 - 00.00.0000")) + 16;
    int width = 0;
    for (int i = 0; i < int(std::size(Columns)); ++i) {
        view->setColumnWidth(i, i == 0 ? std::max(Columns[i].width, periodWidth) : Columns[i].width);
        view->headerItem()->setTextAlignment(i, Columns[i].alignment | Qt::AlignVCenter);
        width += view->columnWidth(i);
    }
    // Room for the columns and a vertical scroll bar, so that the amounts are never cut.
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view->setMinimumWidth(width + view->frameWidth() * 2 + scrollBar + 4);
    return view;
}

void fill(QTreeWidget *view, const InterestResult &result)
{
    view->clear();
    const QString dayFormat = QStringLiteral("dd.MM.yyyy");
    for (const InterestLine &line : result.lines) {
        auto *item = new QTreeWidgetItem(view, QStringList{
            line.to.toString(dayFormat) + QStringLiteral(" - ") + line.from.toString(dayFormat),
            QString::number(line.days),
            RegionalRate(line.rate),
            RegionalMoney(line.interest),
        });
        for (int i = 0; i < int(std::size(Columns)); ++i)
            item->setTextAlignment(i, Columns[i].alignment | Qt::AlignVCenter);
    }
}

}

TOdsetkiDet::TOdsetkiDet(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TOdsetkiDet"));
    setWindowTitle(QStringLiteral("Odsetki - szczegóły"));

    PodatView = periodList(this, "PodatView");
    UstawView = periodList(this, "UstawView");
    auto *close = new QPushButton(QStringLiteral("&Zamknij"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Podatkowe"), this));
    layout->addWidget(PodatView);
    layout->addWidget(new QLabel(QStringLiteral("Ustawowe"), this));
    layout->addWidget(UstawView);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

void TOdsetkiDet::Fill(const InterestResult &tax, const InterestResult &statutory)
{
    fill(PodatView, tax);
    fill(UstawView, statutory);
}
