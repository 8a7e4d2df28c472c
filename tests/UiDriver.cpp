#include "UiDriver.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QWidget>

namespace {
const char *const SeenProperty = "mlTestSeen";
}

UiDriver::UiDriver(int limitMs) : timeLimitMs(limitMs)
{
    connect(&timer, &QTimer::timeout, this, &UiDriver::poll);
    timer.start(10);
    clock.start();
}

void UiDriver::on(const QString &className, Handler handler)
{
    handlers.insert(className, std::move(handler));
}

void UiDriver::poll()
{
    if (clock.elapsed() > timeLimitMs) {
        timedOut = true;
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets)
            widget->close();
        return;
    }
    if (QWidget *modal = QApplication::activeModalWidget()) {
        dispatch(modal);
        return;
    }
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (qobject_cast<QMainWindow *>(widget) && widget->isVisible())
            dispatch(widget);
    }
}

void UiDriver::dispatch(QWidget *widget)
{
    if (widget->property(SeenProperty).toBool())
        return;
    widget->setProperty(SeenProperty, true);
    const QString className = QString::fromLatin1(widget->metaObject()->className());
    seen.append(className);
    const Handler handler = handlers.value(className);
    // Handlers run from a fresh event so that one which opens a modal dialog
    // does not block this poll.
    QTimer::singleShot(0, widget, [widget, handler] {
        if (handler)
            handler(widget);
        else if (auto *dialog = qobject_cast<QDialog *>(widget))
            dialog->reject();
        else
            widget->close();
    });
}
