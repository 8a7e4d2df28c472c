#include "UiDriver.h"

#include "gui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

UiDriver::UiDriver(MainWindow *window) : window(window)
{
    if (window)
        window->show();
    connect(&timer, &QTimer::timeout, this, &UiDriver::poll);
    timer.start(10);
    clock.start();
}

void UiDriver::setPort(const QString &path)
{
    auto *ports = window->findChild<QComboBox *>(QStringLiteral("comPorts"));
    if (path.isEmpty())
        ports->clear();
    ports->setEditText(path);
}

QPushButton *UiDriver::button(const char *name) const
{
    return window->findChild<QPushButton *>(QString::fromLatin1(name));
}

bool UiDriver::press(const char *name)
{
    QPushButton *pressed = button(name);
    if (!pressed || !pressed->isVisible())
        return false;
    pressed->click();
    return true;
}

bool UiDriver::download(int timeoutMs)
{
    const auto idle = [this] {
        return !QApplication::activeModalWidget() && button("downloadBtn")->isVisible();
    };
    return press("downloadBtn") && QTest::qWaitFor(idle, timeoutMs);
}

QString UiDriver::statusText() const
{
    return window->findChild<QStatusBar *>(QStringLiteral("statusBar"))->currentMessage();
}

QString UiDriver::outputText() const
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("outputTextEdit"))->toPlainText();
}

void UiDriver::poll()
{
    if (!window && clock.elapsed() > 20000) {
        timedOut = true;
        for (QWidget *widget : QApplication::topLevelWidgets())
            widget->close();
        return;
    }
    QWidget *next = QApplication::activeModalWidget();
    if (!next && !window) // the start-up cycle's next main window
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow *>(widget) && widget->isVisible() &&
                !widget->property("mlSeen").toBool())
                next = widget;
    if (!next || next->property("mlSeen").toBool())
        return;
    next->setProperty("mlSeen", true);
    seen.append(QString::fromLatin1(next->metaObject()->className()));
    // From a fresh event, so that an answer that opens another dialog does not stop polling.
    QTimer::singleShot(0, next, [this, next] { answer(next); });
}

void UiDriver::answer(QWidget *widget)
{
    const auto handler = handlers.value(QString::fromLatin1(widget->metaObject()->className()));
    auto *box = qobject_cast<QMessageBox *>(widget);
    if (handler) {
        handler(widget);
    } else if (auto *dialog = qobject_cast<QFileDialog *>(widget)) {
        saveDialogFolder = dialog->directory().absolutePath();
        saveDialogFiles = dialog->selectedFiles();
        if (onSaveDialog)
            onSaveDialog();
        const QString name = saveAs.isEmpty() ? QString() : saveAs.takeFirst();
        if (name.isEmpty()) {
            dialog->reject();
        } else {
            // Typed into the name field, as a user does; a full path is taken as it is.
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
            static_cast<QDialog *>(dialog)->accept(); // as the Save button does
        }
    } else if (box && qobject_cast<QFileDialog *>(box->parentWidget())) {
        box->button(QMessageBox::Yes)->click(); // replace the existing file
    } else if (box) {
        boxes.append({box->text(), box->informativeText()});
        if (onBox)
            onBox(boxes.last());
        if (QAbstractButton *answerButton = box->button(reply))
            answerButton->click();
        else
            box->close();
    } else {
        widget->close();
    }
}
