#include "ListRefresher.h"

#include "BusyCursor.h"
#include "DatasetGrid.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "MessageSeam.h"
#include "ModalSeam.h"

#include <QApplication>
#include <QDialog>
#include <algorithm>

ListRefresher::ListRefresher(TDM &dataModule, QObject *parent) : QObject(parent), dataModule_(dataModule)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ListRefresher::reopenWaiting);
    connect(&dataModule_.Changes, &ChangeEvents::posted, this, &ListRefresher::changed);
    connect(&dataModule_.Changes, &ChangeEvents::interrupted, this,
            [] { MessageSeam::warning(NotFollowingMessage); });
}

const QString ListRefresher::NotFollowingMessage = QStringLiteral(
    "Połączenie, którym serwer zapowiada zmiany z innych stanowisk, zostało przerwane.\n"
    "Dopóki nie wróci, wykazy nie odświeżają się same: odśwież je klawiszem F5.");

void ListRefresher::changed(const QString &name)
{
    Dataset *list = dataModule_.ListOfChangeEvent(name);
    if (!list || waiting_.contains(list))
        return;
    waiting_ << list;
    if (!timer_.isActive())
        timer_.start(DelayMilliseconds);
}

bool ListRefresher::showsList(const QDialog &dialog, const Dataset &list)
{
    const QList<DatasetGrid *> grids = dialog.findChildren<DatasetGrid *>();
    return std::any_of(grids.begin(), grids.end(),
                       [&list](const DatasetGrid *grid) { return &grid->datasetModel().dataset() == &list; });
}

bool ListRefresher::MayReopen(const Dataset &list)
{
    if (list.state() != Dataset::State::Browse || list.controlsDisabled())
        return false;
    const QList<QDialog *> &dialogs = ModalSeam::openDialogs();
    // A question or message shown over everything.
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && (dialogs.isEmpty() || modal != dialogs.last()))
        return false;
    return dialogs.isEmpty() || (dialogs.size() == 1 && showsList(*dialogs.first(), list));
}

void ListRefresher::reopenWaiting()
{
    for (qsizetype i = 0; i < waiting_.size();) {
        Dataset *list = waiting_.at(i);
        // A closed list is read afresh whenever it opens.
        if (list->isOpen() && !MayReopen(*list)) {
            ++i;
            continue;
        }
        waiting_.removeAt(i);
        if (list->isOpen())
            RunGuarded([this, list] {
                const BusyCursor busy;
                dataModule_.ReopenOnCurrentRow(*list);
            });
    }
    if (!waiting_.isEmpty())
        timer_.start(DelayMilliseconds);
}
