#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class Archive;
class HistoryModel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// File > History: every archived download, newest first. The selected one's text is shown
// as the main window shows a download; Save As runs the same save as after a download, Open
// opens the file it was last saved as, Results shows it in the Results window, Delete removes
// it from the archive after asking. The archive must outlive the History's parent.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // archive may be nullptr when it cannot be used; problem then says why.
    HistoryWindow(Archive *archive, const QString &problem, QWidget *parent = nullptr);
    // The Results windows opened here stay open: they pass to the History's parent, as the
    // one opened from the main window belongs to it.
    ~HistoryWindow() override;

    // The text shown for received bytes: bit 7 cleared, NUL bytes and carriage returns
    // dropped, as the main window's output box shows a download.
    static QString textOf(const QByteArray &received);

private:
    void selectionChanged();
    void saveAs();
    void openSaved();
    void showResults();
    void deleteSelected();
    void reload(std::optional<qint64> select);
    std::optional<qint64> selectedId() const;
    // The selected download's bytes and its id; nothing (the reason shown) when none is selected
    // or the archive cannot give them.
    std::optional<QByteArray> selectedData(qint64 *id);

    Archive *archive;
    HistoryModel *model;
    QLabel *emptyLine;
    QTableView *table;
    QPlainTextEdit *text;
    QLabel *statusLine;
    QPushButton *saveAsButton;
    QPushButton *openButton;
    QPushButton *deleteButton;
    QPushButton *resultsButton;
};
