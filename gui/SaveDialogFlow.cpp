#include "gui/SaveDialogFlow.h"

#include "common/Settings.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

std::optional<SaveDialogFlow::Choice> SaveDialogFlow::ask(QWidget *parent)
{
    const QString csvFilter =
        QCoreApplication::translate("MainWindow", "Comma Separated Value files (*.csv)");
    const QString filters =
        QStringLiteral("%1;;%2;;%3")
            .arg(csvFilter, QCoreApplication::translate("MainWindow", "Text files (*.txt)"),
                 QCoreApplication::translate("MainWindow", "All files (*.*)"));
    const QString start = Settings::value(Settings::Key::LastSavedFilePath).toString();
    QString selectedFilter = csvFilter;
    Choice choice;
    choice.fileName = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("MainWindow", "Save downloaded data to file"), start,
        filters, &selectedFilter);
    if (choice.fileName.isEmpty())
        return std::nullopt;

    if (SaveStep::europeanQuestionApplies(choice.fileName)) {
        const QVariant stored = Settings::value(Settings::Key::ConvertData);
        if (stored.isNull()) {
            QMessageBox question(parent);
            question.setIcon(QMessageBox::Question);
            question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            question.setText(QCoreApplication::translate(
                "MainWindow", "Would you like to convert the data to European format?"));
            question.setInformativeText(QCoreApplication::translate(
                "MainWindow", "Decimal points will be replaced by commas and the "
                              "commas separating fields will be replaced by "
                              "semi-colons."));
            choice.european = question.exec() == QMessageBox::Yes;
        } else {
            choice.european = stored.toBool();
        }
        Settings::setValue(Settings::Key::ConvertData, choice.european);
    }
    return choice;
}

SaveStep::Outcome SaveDialogFlow::save(QWidget *parent, const QByteArray &data,
                                       const Choice &choice)
{
    const SaveStep::Outcome outcome = SaveStep::toFile(data, choice.fileName, choice.european);
    if (!outcome.saved()) {
        warn(parent, outcome.headline, outcome.reason);
        return outcome;
    }
    Settings::setValue(Settings::Key::LastSavedFilePath, choice.fileName);
    return outcome;
}

void SaveDialogFlow::warn(QWidget *parent, const QString &text, const QString &reason)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    box.setInformativeText(reason);
    box.exec();
}
