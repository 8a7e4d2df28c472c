#include "UiDriver.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>

UiDriver::UiDriver()
{
    connect(&timer, &QTimer::timeout, this, &UiDriver::poll);
    timer.start(10);
    clock.start();
}

void UiDriver::on(const QString &className, std::function<void(QWidget *)> handler)
{
    handlers.insert(className, std::move(handler));
}

void UiDriver::poll()
{
    const auto windows = QApplication::topLevelWidgets();
    if (clock.elapsed() > 20000) {
        timedOut = true;
        for (QWidget *window : windows)
            window->close();
    } else if (QWidget *modal = QApplication::activeModalWidget()) {
        dispatch(modal);
    } else {
        for (QWidget *window : windows) {
            if (qobject_cast<QMainWindow *>(window) && window->isVisible())
                dispatch(window);
        }
    }
}

void UiDriver::dispatch(QWidget *widget)
{
    if (widget->property("mlTestSeen").toBool())
        return;
    widget->setProperty("mlTestSeen", true);
    seen.append(QString::fromLatin1(widget->metaObject()->className()));
    const auto handler = handlers.value(seen.last());
    // From a fresh event, so that a handler that opens a modal dialog does not block polling.
    QTimer::singleShot(0, widget,
                       [widget, handler] { handler ? handler(widget) : void(widget->close()); });
}
