#include "WorkflowDriver.h"

#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

WorkflowDriver::WorkflowDriver(MainWindow &window) : window(window)
{
    connect(&timer, &QTimer::timeout, this, &WorkflowDriver::poll);
    timer.start(10);
}

void WorkflowDriver::setPort(const QString &path)
{
    auto *ports = window.findChild<QComboBox *>(QStringLiteral("comPorts"));
    if (path.isEmpty())
        ports->clear();
    ports->setEditText(path);
}

QPushButton *WorkflowDriver::button(const char *name) const
{
    return window.findChild<QPushButton *>(QString::fromLatin1(name));
}

bool WorkflowDriver::press(const char *name)
{
    QPushButton *pressed = button(name);
    if (!pressed || !pressed->isVisible())
        return false;
    pressed->click();
    return true;
}

bool WorkflowDriver::download(int timeoutMs)
{
    return press("downloadBtn") && waitForIdle(timeoutMs);
}

bool WorkflowDriver::waitForIdle(int timeoutMs)
{
    return QTest::qWaitFor(
        [this] { return !QApplication::activeModalWidget() && button("downloadBtn")->isVisible(); },
        timeoutMs);
}

QString WorkflowDriver::statusText() const
{
    return window.findChild<QStatusBar *>(QStringLiteral("statusBar"))->currentMessage();
}

QString WorkflowDriver::outputText() const
{
    return window.findChild<QPlainTextEdit *>(QStringLiteral("outputTextEdit"))->toPlainText();
}

int WorkflowDriver::questionsAsked() const
{
    int count = 0;
    for (const Box &box : boxes)
        count += box.icon == QMessageBox::Question;
    return count;
}

void WorkflowDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal->property("mlAnswered").toBool())
        return;
    modal->setProperty("mlAnswered", true);
    // From a fresh event, so that an answer that opens another dialog does not stop polling.
    QTimer::singleShot(0, modal, [this, modal] { answer(modal); });
}

void WorkflowDriver::answer(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        ++saveDialogs;
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
        return;
    }
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box) {
        modal->close();
        return;
    }
    if (qobject_cast<QFileDialog *>(box->parentWidget())) {
        box->button(QMessageBox::Yes)->click(); // replace the existing file
        return;
    }
    const Box shown{box->icon(), box->windowTitle(), box->text(), box->informativeText()};
    boxes.append(shown);
    if (onBox)
        onBox(shown);
    if (QAbstractButton *yesOrNo = box->button(convertAnswer))
        yesOrNo->click();
    else
        box->close();
}
