#include "SearchBox.h"

#include "ErrorReport.h"
#include "NamePrefixSearch.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {

QIcon clearIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 2));
    painter.drawLine(4, 4, 12, 12);
    painter.drawLine(12, 4, 4, 12);
    return QIcon(picture);
}

}

SearchBox::SearchBox(Dataset &dataset, const QString &field, const QString &caption, QWidget *parent)
    : QGroupBox(QStringLiteral("Szukaj [%1]").arg(caption), parent), dataset_(&dataset), field_(field),
      edit_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("SearchBox"));
    edit_->setObjectName(QStringLiteral("EdNazwa"));
    QAction *clear = edit_->addAction(clearIcon(), QLineEdit::TrailingPosition);
    clear->setObjectName(QStringLiteral("ClearBtn"));
    clear->setToolTip(QStringLiteral("Wyczyść"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(edit_);

    ConnectGuarded(edit_, &QLineEdit::textChanged, this, &SearchBox::EdNazwaChange);
    connect(clear, &QAction::triggered, this, &SearchBox::EdNazwaButtonClick);
}

void SearchBox::EdNazwaChange()
{
    MoveToNamePrefix(*dataset_, field_, edit_->text());
}

void SearchBox::EdNazwaButtonClick()
{
    edit_->clear();
}
