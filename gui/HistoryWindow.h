#pragma once

#include "teamarchive/TeamAddress.h"
#include "teamarchive/TeamDownload.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <optional>

class Archive;
class HistoryModel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QThread;
class TeamHistoryModel;
class TeamReader;

// File > History: every archived download, newest first. The selected one's text is shown
// as the main window shows a download; Save As runs the same save as after a download, Open
// opens the file it was last saved as, Results shows it in the Results window, Delete removes
// it from the archive after asking. The archive must outlive the History's parent.
// When the settings name a team archive, the view Team lists every engineer's downloads there,
// read by a TeamReader in a thread of its own: the window never waits for the server. Save As,
// Open (a copy), Results and its report work on them as on this computer's.
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

    // Whether the view Team is shown.
    bool teamViewShown() const;

private:
    void selectionChanged();
    void teamSelectionChanged();
    void showTeamView();
    void teamListed(const QVector<TeamDownload> &downloads, const QString &problem);
    void teamFetched(qint64 id, const QByteArray &data, const QString &problem);
    // The reader's thread, started on the first read of the team archive.
    TeamReader *teamReader();
    std::optional<TeamDownload> selectedTeamDownload() const;
    void saveAs();
    void openSaved();
    void showResults();
    void deleteSelected();
    void reload(std::optional<qint64> select);
    std::optional<qint64> selectedId() const;
    // The selected download's bytes and its id; nothing (the reason shown) when none is selected
    // or the archive cannot give them.
    std::optional<QByteArray> selectedData(qint64 *id);
    // The selected team download's bytes once the reader has brought them.
    std::optional<QByteArray> selectedTeamData() const;

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

    QTabWidget *views;
    TeamAddress teamAddress; // !isSet(): no view Team
    TeamHistoryModel *teamModel;
    QTableView *teamTable = nullptr;
    QLabel *teamLine = nullptr;
    QThread *readerThread = nullptr;
    TeamReader *reader = nullptr;
    bool listing = false;
    qint64 fetchedId = 0; // the team download whose bytes are fetchedData
    QByteArray fetchedData;
};
