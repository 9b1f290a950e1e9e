#include "app/FocusWatch.h"

#include <QEvent>
#include <QWidget>

namespace {

class FocusOutFilter : public QObject
{
public:
    FocusOutFilter(QWidget *widget, std::function<void()> onFocusOut)
        : QObject(widget)
        , callback(std::move(onFocusOut))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && callback)
            callback();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> callback;
};

} // namespace

void WatchFocusOut(QWidget *widget, std::function<void()> onFocusOut)
{
    if (widget)
        new FocusOutFilter(widget, std::move(onFocusOut));
}
