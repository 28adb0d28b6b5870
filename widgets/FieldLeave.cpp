#include "FieldLeave.h"

#include "ErrorReport.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace {

class LeaveFilter : public QObject
{
public:
    LeaveFilter(QWidget *field, std::function<void()> handler) : QObject(field), handler_(std::move(handler)) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && isLeaving(static_cast<QFocusEvent *>(event)->reason()))
            RunGuarded(handler_);
        return false;
    }

private:
    static bool isLeaving(Qt::FocusReason reason)
    {
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
            || reason == Qt::ShortcutFocusReason;
    }

    std::function<void()> handler_;
};

}

void OnFieldLeave(QWidget *field, std::function<void()> handler)
{
    field->installEventFilter(new LeaveFilter(field, std::move(handler)));
}
